#include "HelloUnit.h"

#include "screen_cursor.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>

THelloForm::THelloForm(QWidget* owner)
    : QWidget(owner, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    ui.setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(400, 300);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    Timer1.setInterval(5000);
    connect(&Timer1, &QTimer::timeout, this, &THelloForm::Timer1Timer);
    Timer1.start();
    FormCreate();
}

void THelloForm::FormCreate() {
    platform::setScreenCursor(platform::ScreenCursor::AppStart);
}

void THelloForm::mousePressEvent(QMouseEvent*) {
    FormClick();
}

void THelloForm::FormClick() {
    close();
}

void THelloForm::Timer1Timer() {
    Timer1.stop();
    close();
}

void THelloForm::closeEvent(QCloseEvent* event) {
    FormClose();
    event->accept();
}

void THelloForm::FormClose() {
    platform::setScreenCursor(platform::ScreenCursor::Default);
}
