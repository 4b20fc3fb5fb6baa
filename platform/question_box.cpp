#include "question_box.h"

#include "message_box.h"
#include "seam.h"

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

Seam<bool(const QString&)>& questionSeam() {
    static Seam<bool(const QString&)> seam(askWithBox);
    return seam;
}

} // namespace

bool askYesNo(const QString& text) {
    return questionSeam()(text);
}

QuestionSink setQuestionSink(QuestionSink sink) {
    return questionSeam().replace(std::move(sink));
}

} // namespace platform
