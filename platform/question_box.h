// A modal yes-or-no question, reached through a sink that tests can replace.
#pragma once

#include <QString>

#include <functional>

namespace platform {

using QuestionSink = std::function<bool(const QString& text)>;

// Asks the question with Yes and No buttons; true when the user answers Yes.
bool askYesNo(const QString& text);

// Installs a sink and returns the one it replaces; an empty sink restores the modal box.
QuestionSink setQuestionSink(QuestionSink sink);

} // namespace platform
