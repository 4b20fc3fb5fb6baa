// The splash screen: the title picture, shown on top for five seconds or until it is clicked.
#pragma once

#include "ui_HelloUnit.h"

#include <QTimer>
#include <QWidget>

class THelloForm : public QWidget {
    Q_OBJECT
public:
    // The splash is a window of its own that closes and frees itself; the owner only ends it
    // early when the owner itself goes.
    explicit THelloForm(QWidget* owner = nullptr);

    QTimer Timer1;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormClick();
    void FormCreate();
    void Timer1Timer();
    void FormClose();

    Ui::THelloForm ui;
};
