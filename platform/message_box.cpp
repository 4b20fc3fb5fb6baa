#include "message_box.h"

#include "application.h"
#include "seam.h"

#include <QApplication>
#include <QMessageBox>

#include <utility>

namespace platform {
namespace {

void showModalBox(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, messageCaption(), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
    Application::dropPressInDelivery();
}

Seam<void(const QString&)>& messageSeam() {
    static Seam<void(const QString&)> seam(showModalBox);
    return seam;
}

} // namespace

QString messageCaption() {
    return QStringLiteral("Исследование обнаружителя сигналов");
}

void showMessage(const QString& text) {
    messageSeam()(text);
}

MessageSink setMessageSink(MessageSink sink) {
    return messageSeam().replace(std::move(sink));
}

MessageRecorder::MessageRecorder()
    : m_previous(setMessageSink([this](const QString& text) { m_texts.push_back(text); })) {}

MessageRecorder::~MessageRecorder() {
    setMessageSink(std::move(m_previous));
}

} // namespace platform
