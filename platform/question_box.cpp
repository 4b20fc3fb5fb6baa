#include "question_box.h"

#include "message_box.h"

#include <QApplication>
#include <QMessageBox>

#include <utility>

namespace platform {
namespace {

bool askWithBox(const QString& text) {
    return QMessageBox::question(QApplication::activeWindow(), messageCaption(), text,
                                 QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

QuestionSink& installedSink() {
    static QuestionSink sink = askWithBox;
    return sink;
}

} // namespace

bool askYesNo(const QString& text) {
    const QuestionSink sink = installedSink();
    return sink(text);
}

QuestionSink setQuestionSink(QuestionSink sink) {
    if (!sink)
        sink = askWithBox;
    return std::exchange(installedSink(), std::move(sink));
}

} // namespace platform
