#include "application.h"

#include "message_box.h"

#include <QMetaObject>

namespace platform {

void reportError(const QString& text) {
    showMessage(text);
}

void reportError(const std::exception& error) {
    reportError(QString::fromUtf8(error.what()));
}

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {}

bool Application::notify(QObject* receiver, QEvent* event) {
    QString failure;
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        failure = QString::fromUtf8(error.what());
    } catch (...) {
        failure = QString();
    }
    // The report opens a modal box with a loop of its own; show it once this delivery has
    // unwound, not from inside the handler that failed.
    QMetaObject::invokeMethod(
        this, [failure] { reportError(failure); }, Qt::QueuedConnection);
    return false;
}

} // namespace platform
