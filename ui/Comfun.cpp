#include "Comfun.h"

#include <array>
#include <charconv>

QString DoubleToText(std::int32_t precision, double value) {
    // to_chars writes as printf's "%.Nf" and "%e" do in the C locale, whatever the user's
    // locale is; the buffer holds the longest fixed-point double (309 digits and 7 decimals).
    std::array<char, 400> text{};
    const bool fixed = precision >= 0 && precision <= 7;
    const auto result = fixed ? std::to_chars(text.data(), text.data() + text.size(), value,
                                              std::chars_format::fixed, precision)
                              : std::to_chars(text.data(), text.data() + text.size(), value,
                                              std::chars_format::scientific, 6);
    QString shown = QString::fromLatin1(text.data(), result.ptr - text.data());
    if (const qsizetype point = shown.indexOf(u'.'); point >= 0)
        shown[point] = u',';
    return shown;
}
