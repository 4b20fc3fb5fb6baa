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
}

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
