#include "Comfun.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(DoubleToText, FormatsWithADecimalComma) {
    struct Case {
        int precision;
        double value;
        const char* text;
    };
    const Case cases[] = {
        {2, 99.876, "99,88"},
        {2, 0.0, "0,00"},
        {0, 1234.56, "1235"},
        {3, 0.5, "0,500"},
        {7, 1.0 / 3.0, "0,3333333"},
        {1, -2.25, "-2,2"},
        {2, 97.918037704833722, "97,92"},
        {2, 7.3e11, "730000000000,00"},
        {8, 123.456, "1,234560e+02"},
        {-1, 0.000123, "1,230000e-04"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DoubleToText(c.precision, c.value).toStdString(), c.text)
            << c.precision << " " << c.value;
}

TEST(DoubleToText, LongestValuesAreWrittenWhole) {
    const QString text = DoubleToText(7, 1e300);
    EXPECT_EQ(text.size(), 301 + 8);
    EXPECT_TRUE(text.startsWith(u"1000000000000000052504760255204420248704468581108159154915854"));
    EXPECT_TRUE(text.endsWith(u",0000000"));
}

} // namespace
