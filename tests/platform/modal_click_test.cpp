// A click whose focus change opens a modal box must not leave the clicked button held down.
#include "message_box.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace {

// Shows a real message box whenever the watched field loses the focus.
class BoxOnFocusOut : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::FocusOut)
            platform::showMessage(QStringLiteral("Поле покинуто"));
        return false;
    }
};

TEST(ModalBox, ClickThatOpensABoxThroughAFocusChangeIsDropped) {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* field = new QLineEdit(&window);
    auto* button = new QPushButton(QStringLiteral("Выполнить"), &window);
    layout->addWidget(field);
    layout->addWidget(button);
    int clicks = 0;
    QObject::connect(button, &QPushButton::clicked, [&] { ++clicks; });
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    field->setFocus();
    BoxOnFocusOut boxOnFocusOut;
    field->installEventFilter(&boxOnFocusOut);

    // Close the real box as soon as it is up, as a user would.
    int boxesClosed = 0;
    QTimer closer;
    closer.setInterval(5);
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            box->close();
            ++boxesClosed;
        }
    });
    closer.start();

    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(boxesClosed, 1);
    EXPECT_FALSE(button->isDown());
    EXPECT_EQ(clicks, 0);

    // The focus is on the button now: the next click is an ordinary one.
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(boxesClosed, 1);
}

} // namespace
