// The plain modal message box, reached through a sink that tests can replace.
#pragma once

#include <QString>

#include <functional>
#include <vector>

namespace platform {

// Receives each message the program shows to the user.
using MessageSink = std::function<void(const QString& text)>;

// The caption of every message box of the program.
QString messageCaption();

// Shows one text with an OK button through the installed sink; the default sink opens a
// modal box and returns when the user closes it.
void showMessage(const QString& text);

// Installs a sink and returns the one it replaces; an empty sink restores the modal box.
MessageSink setMessageSink(MessageSink sink);

// Records the texts shown while it lives instead of opening boxes, then puts back the sink
// that was installed before it.
class MessageRecorder {
public:
    MessageRecorder();
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    const std::vector<QString>& texts() const { return m_texts; }
    void clear() { m_texts.clear(); }

private:
    std::vector<QString> m_texts;
    MessageSink m_previous;
};

} // namespace platform
