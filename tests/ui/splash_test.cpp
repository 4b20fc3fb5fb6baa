#include "HelloUnit.h"
#include "Unit1.h"
#include "screen.h"
#include "screen_cursor.h"

#include <QApplication>
#include <QPointer>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using platform::ScreenCursor;

QPointer<THelloForm> findSplash() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* splash = qobject_cast<THelloForm*>(w))
            return splash;
    return nullptr;
}

class Splash : public ::testing::Test {
protected:
    void SetUp() override {
        m_previousScreen = platform::setScreenSizeSource([] { return QSize(1920, 1080); });
    }
    void TearDown() override {
        platform::setScreenSizeSource(m_previousScreen);
        platform::setScreenCursor(ScreenCursor::Default);
    }
    platform::ScreenSizeSource m_previousScreen;
};

TEST_F(Splash, ShowsOnTopWithTheStartingCursor) {
    TForm1 window(0u);
    QPointer<THelloForm> splash = findSplash();
    ASSERT_TRUE(splash);
    EXPECT_TRUE(splash->isVisible());
    EXPECT_TRUE(splash->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(splash->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(splash->size(), QSize(400, 300));
    EXPECT_EQ(splash->geometry().center(), QGuiApplication::primaryScreen()->geometry().center());
    EXPECT_TRUE(splash->Timer1.isActive());
    EXPECT_EQ(splash->Timer1.interval(), 5000);
    EXPECT_EQ(platform::screenCursor(), ScreenCursor::AppStart);
    auto* picture = splash->findChild<QLabel*>("Image1");
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->pixmap().size(), QSize(400, 300));
}

TEST_F(Splash, ClickClosesAndFreesIt) {
    TForm1 window(0u);
    window.show();
    QPointer<THelloForm> splash = findSplash();
    ASSERT_TRUE(splash);
    QTest::mouseClick(splash->findChild<QLabel*>("Image1"), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(splash);
    EXPECT_EQ(platform::screenCursor(), ScreenCursor::Default);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(window.isVisible());
}

TEST_F(Splash, TimerClosesItOnceAndStops) {
    TForm1 window(0u);
    QPointer<THelloForm> splash = findSplash();
    ASSERT_TRUE(splash);
    // The real timer and handler, at a shorter interval so the test does not wait five seconds.
    splash->Timer1.setInterval(10);
    QTRY_VERIFY_WITH_TIMEOUT(!splash, 3000);
    EXPECT_EQ(platform::screenCursor(), ScreenCursor::Default);
}

TEST_F(Splash, WindowWorksWhileTheSplashIsUp) {
    TForm1 window(0u);
    window.show();
    QPointer<THelloForm> splash = findSplash();
    ASSERT_TRUE(splash);
    window.form().N6->trigger();
    EXPECT_EQ(window.form().ComboBox1->currentIndex(), 1);
    EXPECT_TRUE(splash);
    EXPECT_TRUE(splash->isVisible());
}

TEST_F(Splash, ExitWhileTheSplashIsUpEndsTheProgram) {
    auto window = std::make_unique<TForm1>(0u);
    window->show();
    QPointer<THelloForm> splash = findSplash();
    ASSERT_TRUE(splash);
    QTimer::singleShot(0, window->form().N13, &QAction::trigger);
    QTimer::singleShot(5000, [] { QCoreApplication::exit(1); });
    EXPECT_EQ(QCoreApplication::exec(), 0);
    window.reset();
    EXPECT_FALSE(splash);
}

} // namespace
