// Reading and writing numbers with the user's decimal separator.
#include "locale_numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>

namespace {

struct ReadCase {
    const char16_t* text;
    char16_t separator;
    std::optional<double> expected;
};

class TextToNumber : public ::testing::TestWithParam<ReadCase> {};

TEST_P(TextToNumber, FollowsTheNumberGrammar) {
    const ReadCase& c = GetParam();
    const std::optional<double> number = platform::textToNumber(c.text, QChar(c.separator));
    ASSERT_EQ(number.has_value(), c.expected.has_value());
    if (number) {
        EXPECT_EQ(*number, *c.expected);
        EXPECT_FALSE(std::signbit(*number) && *number == 0) << "negative zero";
    }
}

constexpr std::nullopt_t fails = std::nullopt;

INSTANTIATE_TEST_SUITE_P(
    Cases, TextToNumber,
    ::testing::Values(
        ReadCase{u"1.5", u'.', 1.5}, ReadCase{u"1,5", u',', 1.5}, ReadCase{u"1,5", u'.', fails},
        ReadCase{u"1.5", u',', fails}, ReadCase{u"  -12.25  ", u'.', -12.25},
        ReadCase{u"+7", u'.', 7.0}, ReadCase{u".", u'.', 0.0}, ReadCase{u",", u',', 0.0},
        ReadCase{u"-.", u'.', 0.0}, ReadCase{u"5.", u'.', 5.0}, ReadCase{u".25", u'.', 0.25},
        ReadCase{u"1e3", u'.', 1000.0}, ReadCase{u"2.5E-2", u'.', 0.025},
        ReadCase{u"1e+3", u'.', 1000.0}, ReadCase{u".e5", u'.', 0.0}, ReadCase{u"-0", u'.', 0.0},
        ReadCase{u"007", u'.', 7.0}, ReadCase{u"1e-400", u'.', 0.0},
        ReadCase{u"4.9e-324", u'.', std::numeric_limits<double>::denorm_min()},
        ReadCase{u"1.7976931348623157e308", u'.', std::numeric_limits<double>::max()},
        // Failures: empty, spaces, lone signs, missing digits, stray characters, overflow.
        ReadCase{u"", u'.', fails}, ReadCase{u"   ", u'.', fails}, ReadCase{u"-", u'.', fails},
        ReadCase{u"+", u'.', fails}, ReadCase{u"e5", u'.', fails}, ReadCase{u"1e", u'.', fails},
        ReadCase{u"1e+", u'.', fails}, ReadCase{u"1.5.", u'.', fails},
        ReadCase{u"1 5", u'.', fails}, ReadCase{u"\t1", u'.', fails}, ReadCase{u"1x", u'.', fails},
        ReadCase{u"--1", u'.', fails}, ReadCase{u"+-1", u'.', fails},
        ReadCase{u"0x10", u'.', fails}, ReadCase{u"inf", u'.', fails},
        ReadCase{u"nan", u'.', fails}, ReadCase{u"1e400", u'.', fails},
        ReadCase{u"-1e400", u'.', fails}, ReadCase{u"1e99999999999999999999", u'.', fails},
        ReadCase{u"\u0661", u'.', fails}, ReadCase{u"1\u00a0", u'.', fails}));

TEST(PrintG, WritesSixSignificantDigitsWithAFullStop) {
    const struct {
        double value;
        const char* text;
    } cases[] = {{1.23456789, "1.23457"}, {0.0, "0"},         {-0.0, "0"},
                 {100000.0, "100000"},    {1e6, "1e+06"},     {0.0001, "0.0001"},
                 {0.00001, "1e-05"},      {-2.5, "-2.5"},     {1000.0, "1000"},
                 {1e300, "1e+300"},       {0.1 + 0.2, "0.3"}, {999999.5, "1e+06"}};
    for (const auto& c : cases)
        EXPECT_EQ(platform::printG(c.value), QString::fromLatin1(c.text)) << c.value;
}

TEST(NumberToText, WritesFifteenSignificantDigitsWithTheGivenSeparator) {
    const struct {
        double value;
        char16_t separator;
        const char16_t* text;
    } cases[] = {{1.23456789, u',', u"1,23456789"},
                 {1.23456789, u'.', u"1.23456789"},
                 {0.1 + 0.2, u'.', u"0.3"},
                 {123456789012345.0, u'.', u"123456789012345"},
                 {1e15, u'.', u"1e+15"},
                 {-1.5e-7, u',', u"-1,5e-07"},
                 {0.0001, u',', u"0,0001"},
                 {-0.0, u'.', u"0"}};
    for (const auto& c : cases)
        EXPECT_EQ(platform::numberToText(c.value, QChar(c.separator)),
                  QStringView(c.text).toString())
            << c.value;
}

TEST(NumberToText, ReadsBackAsTheSameTextsValue) {
    for (const double value : {1.23456789, -1.5e-7, 1e15, 6.02214076e23, 2.0 / 3.0}) {
        const QString text = platform::numberToText(value, u',');
        const std::optional<double> back = platform::textToNumber(text, u',');
        ASSERT_TRUE(back.has_value()) << text.toStdString();
        EXPECT_DOUBLE_EQ(*back, value);
    }
}

TEST(NumberToExactText, ReadsBackAsExactlyTheValue) {
    EXPECT_EQ(platform::numberToExactText(0.1 + 0.2, u','), QStringLiteral("0,30000000000000004"));
    EXPECT_EQ(platform::numberToExactText(0.1234567, u'.'), QStringLiteral("0.1234567"));
    for (const double value : {0.1 + 0.2, 1e20, -4.9e-324, 1.7976931348623157e308}) {
        const QString text = platform::numberToExactText(value, u',');
        EXPECT_EQ(platform::textToNumber(text, u','), value) << text.toStdString();
    }
}

TEST(DecimalSeparator, IsTheLocalesUnlessFixedAndComesBackAfterwards) {
    // The tests run in the C locale, whose mark is the full stop.
    EXPECT_EQ(platform::decimalSeparator(), u'.');
    {
        const platform::ScopedDecimalSeparator comma(u',');
        EXPECT_EQ(platform::decimalSeparator(), u',');
        EXPECT_EQ(platform::textToNumber(u"2,5"), 2.5);
        EXPECT_EQ(platform::numberToText(2.5), QStringLiteral("2,5"));
        {
            const platform::ScopedDecimalSeparator stop(u'.');
            EXPECT_EQ(platform::decimalSeparator(), u'.');
        }
        EXPECT_EQ(platform::decimalSeparator(), u',');
    }
    EXPECT_EQ(platform::decimalSeparator(), u'.');
}

} // namespace
