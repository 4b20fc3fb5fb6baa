#include "application.h"

#include "message_box.h"

#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QMetaObject>

namespace platform {

void reportError(const QString& text) {
    showMessage(text);
}

void reportError(const std::exception& error) {
    reportError(QString::fromUtf8(error.what()));
}

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
    if (m_qtTexts.load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(&m_qtTexts);
    // The forms name the classic Windows fonts; draw them with the metric-compatible free
    // fonts, so that captions fit the widths they were laid out for.
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(
        QStringLiteral("Times New Roman"),
        {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
    installEventFilter(this);
}

void Application::dropPressInDelivery() {
    if (auto* application = qobject_cast<Application*>(QCoreApplication::instance()))
        application->m_droppedPress = application->m_pressInDelivery;
}

bool Application::eventFilter(QObject* watched, QEvent* event) {
    if (event == m_droppedPress)
        return true;
    return QApplication::eventFilter(watched, event);
}

bool Application::notify(QObject* receiver, QEvent* event) {
    if (event->type() != QEvent::MouseButtonPress)
        return deliver(receiver, event);
    QEvent* const outerPress = m_pressInDelivery;
    m_pressInDelivery = event;
    const bool result = deliver(receiver, event);
    if (m_droppedPress == event)
        m_droppedPress = nullptr;
    m_pressInDelivery = outerPress;
    return result;
}

bool Application::deliver(QObject* receiver, QEvent* event) {
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
