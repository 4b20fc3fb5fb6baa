// The user's decimal separator and the conversions between numbers and texts that use it.
#pragma once

#include <QChar>
#include <QString>
#include <QStringView>

#include <optional>

namespace platform {

// The decimal separator of the user's locale, a full stop when the locale gives none, or the
// fixed mark that overrideDecimalSeparator installed.
QChar decimalSeparator();

// Fixes the decimal separator to a mark (std::nullopt returns to the locale's) and returns
// the override it replaces.
std::optional<QChar> overrideDecimalSeparator(std::optional<QChar> mark);

// Holds a fixed decimal separator while it lives.
class ScopedDecimalSeparator {
public:
    explicit ScopedDecimalSeparator(QChar mark);
    ~ScopedDecimalSeparator();
    ScopedDecimalSeparator(const ScopedDecimalSeparator&) = delete;
    ScopedDecimalSeparator& operator=(const ScopedDecimalSeparator&) = delete;

private:
    std::optional<QChar> m_previous;
};

// Reads a number written as: spaces, an optional sign, digits, optionally the separator and
// digits, optionally "e" or "E" with an optional sign and digits, spaces. At least one digit
// or the separator must stand before the exponent, so "." alone reads as 0. Anything else,
// and a number beyond the range of a double, gives no value. A number too small for a double
// reads as the nearest one it can hold (zero at the end).
std::optional<double> textToNumber(QStringView text, QChar separator);
std::optional<double> textToNumber(QStringView text);

// The value as printf's "%g" writes it in the C locale: six significant digits, trailing
// zeros dropped, a full stop as decimal point.
QString printG(double value);

// The value with up to 15 significant digits and the given separator, in exponent form
// ("1.5e+20") when its decimal exponent is below -4 or 15 and above.
QString numberToText(double value, QChar separator);
QString numberToText(double value);

// The shortest text with the given separator that reads back as exactly this value.
QString numberToExactText(double value, QChar separator);

} // namespace platform
