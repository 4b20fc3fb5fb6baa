// The application object: runs the event loop and shows any error that escapes a handler.
#pragma once

#include <QApplication>
#include <QTranslator>

#include <exception>

namespace platform {

// The standard error report: a message box with the error's text.
void reportError(const std::exception& error);
void reportError(const QString& text);

class Application : public QApplication {
    Q_OBJECT
public:
    Application(int& argc, char** argv);

    // Delivers events as QApplication does, but an exception thrown by a handler is shown by the
    // error report and the loop goes on, instead of unwinding through the event loop.
    bool notify(QObject* receiver, QEvent* event) override;

    // Drops the mouse press being delivered, if there is one. A modal box opened by the focus
    // change of a click takes that click's release; the press alone, delivered after the box
    // has closed, would leave the clicked button held down.
    static void dropPressInDelivery();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool deliver(QObject* receiver, QEvent* event);

    QEvent* m_pressInDelivery = nullptr;
    QEvent* m_droppedPress = nullptr;
    // Qt's own texts (dialog buttons, the file dialog, edit menus) in Russian, like the rest.
    QTranslator m_qtTexts;
};

} // namespace platform
