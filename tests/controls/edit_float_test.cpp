// The value of the numeric entry field: commits, limits, correction and the shown text.
#include "EditFloatUnit.h"
#include "edit_float_messages.h"

#include "locale_numbers.h"
#include "message_box.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace {

using Texts = std::vector<QString>;

class EditFloatTest : public ::testing::Test {
protected:
    // Limits and value are set with messages off, so that only the step under test shows any.
    void configure(double min, double max, double value, bool corrType, bool corrMsg) {
        field.SetCorrMsg(false);
        field.SetMin(-1e300); // any upper limit can then be set first
        field.SetMax(max);
        field.SetMin(min);
        field.SetVal(value);
        field.SetCorrType(corrType);
        field.SetCorrMsg(corrMsg);
        recorder.clear();
    }

    platform::MessageRecorder recorder;
    platform::ScopedDecimalSeparator separator{u'.'};
    TEditFloat field;
};

TEST_F(EditFloatTest, StartsAtZeroBetweenZeroAndOneAndCommitsTheUntouchedTextSilently) {
    EXPECT_EQ(field.text(), QStringLiteral("0"));
    EXPECT_EQ(field.Val(), 0.0);
    EXPECT_EQ(field.Min(), 0.0);
    EXPECT_EQ(field.Max(), 1.0);
    EXPECT_TRUE(field.CorrType());
    EXPECT_FALSE(field.CorrMsg());
    EXPECT_FALSE(field.ExpInp());
    EXPECT_TRUE(field.GFormat());
    field.SetCorrMsg(true);
    EXPECT_FALSE(field.GetModify());
    EXPECT_EQ(field.text(), QStringLiteral("0"));
    EXPECT_TRUE(recorder.texts().empty());
}

struct CommitCase {
    const char* name;
    double min, max, before;
    bool corrType, corrMsg;
    QString typed;
    double val;
    QString shown;
    bool modified;
    Texts messages;
};

// Names the case in test output, instead of dumping its bytes into every test's name.
void PrintTo(const CommitCase& c, std::ostream* os) {
    *os << c.name;
}

class Commit : public EditFloatTest, public ::testing::WithParamInterface<CommitCase> {};

TEST_P(Commit, KeepsTheValueWithinItsLimitsAndTellsWhatItDid) {
    const CommitCase& c = GetParam();
    configure(c.min, c.max, c.before, c.corrType, c.corrMsg);
    field.setText(c.typed);
    EXPECT_EQ(field.GetModify(), c.modified);
    EXPECT_EQ(field.Val(), c.val);
    EXPECT_EQ(field.text(), c.shown);
    EXPECT_EQ(recorder.texts(), c.messages);
}

const CommitCase commitCases[] = {
    // clang-format off
    // name, Min, Max, Val before, CorrType, CorrMsg, typed text, Val after, text after, result, messages
    {"InRange", 0, 1000, 1, true, true, "2.5", 2.5, "2.5", true, {}},
    {"Unchanged", 0, 1000, 1, true, true, "1", 1, "1", false, {}},
    {"Zero", 0, 1000, 1, true, true, "0", 0, "0", true, {}},
    {"AtMax", 0, 1000, 1, true, true, "1000", 1000, "1000", true, {}},
    {"SpacesAround", 0, 1000, 1, true, true, "  7 ", 7, "7", true, {}},
    {"DecimalMarkAlone", 0, 1000, 1, true, true, ".", 0, "0", true, {}},
    {"BelowMinCorrecting", 0, 1000, 1, true, true, "-5", 0, "0", true, {messages::belowMinCorrected}},
    {"BelowMinCorrectingSilently", 0, 1000, 1, true, false, "-5", 0, "0", true, {}},
    {"BelowMinRestoring", 0, 1000, 1, false, true, "-5", 1, "1", false, {messages::belowMinRestored}},
    {"AboveMaxCorrecting", 0, 1000, 1, true, true, "2000", 1000, "1000", true, {messages::aboveMaxCorrected}},
    {"AboveMaxRestoring", 0, 1000, 1, false, true, "2000", 1, "1", false, {messages::aboveMaxRestored}},
    {"AboveMaxRestoringSilently", 0, 1000, 1, false, false, "2000", 1, "1", false, {}},
    {"EmptyCorrectsToMidpoint", 0, 1000, 1, true, true, "", 500, "500", true, {messages::badTextCorrected}},
    {"EmptyInThresholdField", 0, 5000, 25, true, true, "", 2500, "2500", true, {messages::badTextCorrected}},
    {"NegativeMidpoint", -10, -5, -6, true, true, "x", -7.5, "-7.5", true, {messages::badTextCorrected}},
    {"BadTextCorrectingSilently", 0, 1000, 1, true, false, "1a", 500, "500", true, {}},
    {"BadTextRestoring", 0, 1000, 1, false, true, "abc", 1, "1", false, {messages::badTextRestored}},
    {"LoneMinus", -10, 10, 3, false, true, "-", 3, "3", false, {messages::badTextRestored}},
    {"Overflow", 0, 1000, 1, true, true, "1e999", 500, "500", true, {messages::badTextCorrected}},
    {"TwoMarks", 0, 1000, 1, false, true, "1.2.3", 1, "1", false, {messages::badTextRestored}},
    // clang-format on
};

INSTANTIATE_TEST_SUITE_P(Cases, Commit, ::testing::ValuesIn(commitCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(EditFloatTest, RefusesLimitsThatWouldCrossEvenWithMessagesOff) {
    configure(0, 10, 4, true, false);
    field.SetMax(-1);
    field.SetMin(11);
    field.SetMax(std::numeric_limits<double>::quiet_NaN());
    field.SetMin(std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ(recorder.texts(), (Texts{messages::maxRefused, messages::minRefused,
                                       messages::maxRefused, messages::minRefused}));
    EXPECT_EQ(field.Min(), 0.0);
    EXPECT_EQ(field.Max(), 10.0);
    EXPECT_EQ(field.Val(), 4.0);
    EXPECT_EQ(field.text(), QStringLiteral("4"));
}

TEST_F(EditFloatTest, AcceptsEqualLimits) {
    configure(0, 10, 4, true, true);
    field.SetMin(10);
    field.SetMax(10);
    EXPECT_EQ(field.Min(), 10.0);
    EXPECT_EQ(field.Max(), 10.0);
    EXPECT_EQ(field.Val(), 10.0);
    EXPECT_TRUE(recorder.texts().empty());
}

TEST_F(EditFloatTest, MovesTheValueSilentlyWhenALimitPassesIt) {
    configure(0, 10, 4, true, true);
    field.SetMax(3);
    EXPECT_EQ(field.Val(), 3.0);
    EXPECT_EQ(field.text(), QStringLiteral("3"));
    field.SetMin(-2);
    field.SetVal(-1);
    field.SetMin(-0.5);
    EXPECT_EQ(field.Val(), -0.5);
    EXPECT_EQ(field.text(), QStringLiteral("-0.5"));
    EXPECT_TRUE(recorder.texts().empty());
}

TEST_F(EditFloatTest, KeepsNanAndInfinityOutOfTheValue) {
    configure(-1, 1, 0.5, true, false);
    field.SetVal(std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ(field.Val(), -1.0);
    field.SetVal(std::numeric_limits<double>::infinity());
    EXPECT_EQ(field.Val(), 1.0);
    field.SetCorrType(false);
    field.SetVal(std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ(field.Val(), 1.0);
}

TEST_F(EditFloatTest, ReadsEitherMarkAndShowsTheLocalesOne) {
    for (const QChar mark : {QChar(u','), QChar(u'.')}) {
        const platform::ScopedDecimalSeparator locale(mark);
        for (const QString& typed : {QStringLiteral("1.5"), QStringLiteral("1,5")}) {
            configure(0, 10, 0, true, true);
            field.setText(typed);
            EXPECT_TRUE(field.GetModify());
            EXPECT_EQ(field.Val(), 1.5);
            EXPECT_EQ(field.text(), QStringLiteral("1") + mark + QStringLiteral("5"));
        }
        field.SetVal(0.25);
        EXPECT_EQ(field.text(), QStringLiteral("0") + mark + QStringLiteral("25"));
        EXPECT_TRUE(recorder.texts().empty());
    }
}

TEST_F(EditFloatTest, ReplacesOnlyAMarkThatStandsWithinTheFirst3001Characters) {
    const platform::ScopedDecimalSeparator comma(u',');
    configure(0, 10, 5, false, true);
    field.setText(QString(3000, u'0') + QStringLiteral(".5"));
    EXPECT_TRUE(field.GetModify());
    EXPECT_EQ(field.Val(), 0.5);
    field.setText(QString(3001, u'0') + QStringLiteral(".5"));
    EXPECT_FALSE(field.GetModify());
    EXPECT_EQ(recorder.texts(), Texts{messages::badTextRestored});
}

TEST_F(EditFloatTest, GFormatRoundsToSixDigitsAndTheGeneralFormatKeepsThemAll) {
    configure(0, 10, 0, true, false);
    field.SetVal(1.23456789);
    EXPECT_EQ(field.text(), QStringLiteral("1.23457"));
    EXPECT_EQ(field.Val(), 1.23457);

    field.SetGFormat(false);
    EXPECT_EQ(field.text(), QStringLiteral("1.23457")) << "the format waits for the next write";
    field.SetVal(1.23456789);
    EXPECT_EQ(field.text(), QStringLiteral("1.23456789"));
    EXPECT_EQ(field.Val(), 1.23456789);
}

TEST_F(EditFloatTest, CommitWithGFormatStoresAllDigitsOnceAndTheShownOnesNext) {
    configure(0, 10, 0, true, false);
    field.setText(QStringLiteral("1.23456789"));
    EXPECT_TRUE(field.GetModify());
    EXPECT_EQ(field.Val(), 1.23456789);
    EXPECT_EQ(field.text(), QStringLiteral("1.23457"));
    EXPECT_TRUE(field.GetModify());
    EXPECT_EQ(field.Val(), 1.23457);
    EXPECT_FALSE(field.GetModify());
}

TEST_F(EditFloatTest, ShowsAValueAtALimitWithTheDigitsItNeedsToStayWithin) {
    configure(0, 0.1234567, 0, true, true);
    field.SetVal(0.1234567); // "%g" would show 0.123457, above the limit
    EXPECT_EQ(field.text(), QStringLiteral("0.1234567"));
    EXPECT_EQ(field.Val(), 0.1234567);
    EXPECT_FALSE(field.GetModify());

    field.SetGFormat(false);
    const double sum = 0.1 + 0.2; // fifteen digits show 0.3, below the limit
    field.SetMax(1);
    field.SetMin(sum);
    EXPECT_EQ(field.text(), QStringLiteral("0.30000000000000004"));
    EXPECT_FALSE(field.GetModify());
    EXPECT_EQ(field.Val(), sum);
    EXPECT_TRUE(recorder.texts().empty());
}

TEST_F(EditFloatTest, ShowsLargeAndSmallValuesInExponentForm) {
    configure(0, 1e30, 0, true, false);
    field.SetVal(2e20);
    EXPECT_EQ(field.text(), QStringLiteral("2e+20"));
    field.SetGFormat(false);
    field.SetVal(1.5e-7);
    EXPECT_EQ(field.text(), QStringLiteral("1.5e-07"));
    EXPECT_EQ(field.Val(), 1.5e-7);
}

TEST_F(EditFloatTest, ShowsACommittedValueWholeBeyondTheTypingLimit) {
    configure(0, 1000, 1, true, false);
    field.setMaxLength(4);
    field.setText(QStringLiteral(".125"));
    field.GetModify();
    EXPECT_EQ(field.text(), QStringLiteral("0.125"));
    EXPECT_FALSE(field.GetModify());
    EXPECT_EQ(field.Val(), 0.125);
}

} // namespace
