#include "message_box.h"

#include <QApplication>
#include <QMessageBox>

#include <utility>

namespace platform {
namespace {

void showModalBox(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, messageCaption(), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

MessageSink& installedSink() {
    static MessageSink sink = showModalBox;
    return sink;
}

} // namespace

QString messageCaption() {
    return QStringLiteral("Исследование обнаружителя сигналов");
}

void showMessage(const QString& text) {
    // A copy, so that a sink which replaces itself while it runs stays alive until it returns.
    const MessageSink sink = installedSink();
    sink(text);
}

MessageSink setMessageSink(MessageSink sink) {
    if (!sink)
        sink = showModalBox;
    return std::exchange(installedSink(), std::move(sink));
}

MessageRecorder::MessageRecorder()
    : m_previous(setMessageSink([this](const QString& text) { m_texts.push_back(text); })) {}

MessageRecorder::~MessageRecorder() {
    setMessageSink(std::move(m_previous));
}

} // namespace platform
