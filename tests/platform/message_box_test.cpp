// The message box seam: texts reach the installed sink, and recorders nest.
#include "message_box.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(MessageSink, ReceivesTheTextsAndHandsBackThePreviousSink) {
    std::vector<QString> seen;
    platform::MessageSink previous =
        platform::setMessageSink([&seen](const QString& text) { seen.push_back(text); });
    platform::showMessage(QStringLiteral("первое"));
    platform::MessageSink mine = platform::setMessageSink(previous);
    ASSERT_TRUE(mine);
    mine(QStringLiteral("второе"));
    EXPECT_EQ(seen, (std::vector<QString>{QStringLiteral("первое"), QStringLiteral("второе")}));
}

TEST(MessageRecorder, RecordsWhileItLivesAndRestoresTheOuterOne) {
    platform::MessageRecorder outer;
    platform::showMessage(QStringLiteral("a"));
    {
        platform::MessageRecorder inner;
        platform::showMessage(QStringLiteral("b"));
        EXPECT_EQ(inner.texts(), std::vector<QString>{QStringLiteral("b")});
    }
    platform::showMessage(QStringLiteral("c"));
    EXPECT_EQ(outer.texts(), (std::vector<QString>{QStringLiteral("a"), QStringLiteral("c")}));
}

TEST(MessageBox, CarriesTheProgramsTitle) {
    EXPECT_EQ(platform::messageCaption(), QStringLiteral("Исследование обнаружителя сигналов"));
}

} // namespace
