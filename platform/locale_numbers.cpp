#include "locale_numbers.h"

#include <QLocale>

#include <array>
#include <cerrno>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <string>

namespace platform {
namespace {

std::optional<QChar>& separatorOverride() {
    static std::optional<QChar> mark;
    return mark;
}

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// Walks a text that must follow the number grammar and writes it out in the C notation
// (full stop, no spaces) that strtod reads; gives nothing when the text does not follow it.
class NumberScanner {
public:
    NumberScanner(QStringView text, QChar separator) : m_text(text), m_separator(separator) {}

    std::optional<std::string> scan() {
        skipSpaces();
        copySign();
        const qsizetype integerDigits = copyDigits();
        bool hasSeparator = false;
        qsizetype fractionDigits = 0;
        if (at(m_separator)) {
            ++m_pos;
            hasSeparator = true;
            m_out += '.';
            fractionDigits = copyDigits();
        }
        if (integerDigits + fractionDigits == 0) {
            if (!hasSeparator)
                return std::nullopt;
            m_out += '0'; // strtod wants a digit; "." and "-." stand for zero
        }
        if (at(u'e') || at(u'E')) {
            ++m_pos;
            m_out += 'e';
            copySign();
            if (copyDigits() == 0)
                return std::nullopt;
        }
        skipSpaces();
        if (m_pos != m_text.size())
            return std::nullopt;
        return m_out;
    }

private:
    bool at(QChar c) const { return m_pos < m_text.size() && m_text[m_pos] == c; }

    void skipSpaces() {
        while (at(u' '))
            ++m_pos;
    }

    void copySign() {
        if (at(u'+') || at(u'-'))
            m_out += char(m_text[m_pos++].unicode());
    }

    qsizetype copyDigits() {
        const qsizetype start = m_pos;
        while (m_pos < m_text.size() && isDigit(m_text[m_pos]))
            m_out += char(m_text[m_pos++].unicode());
        return m_pos - start;
    }

    QStringView m_text;
    QChar m_separator;
    qsizetype m_pos = 0;
    std::string m_out;
};

// strtod in the C locale, whatever locale the application runs in.
std::optional<double> readCNumber(const std::string& text) {
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t{});
    errno = 0;
    const double value = strtod_l(text.c_str(), nullptr, cLocale);
    if (errno == ERANGE && std::isinf(value))
        return std::nullopt;
    return value + 0.0; // no negative zero: the field would show "-0"
}

QString printC(double value, std::optional<int> significantDigits) {
    std::array<char, 64> buffer{};
    char* const first = buffer.data();
    char* const last = first + buffer.size();
    const auto result = significantDigits
                            ? std::to_chars(first, last, value + 0.0, std::chars_format::general,
                                            *significantDigits)
                            : std::to_chars(first, last, value + 0.0);
    return QString::fromLatin1(first, result.ptr - first);
}

} // namespace

QChar decimalSeparator() {
    if (separatorOverride())
        return *separatorOverride();
    const QString mark = QLocale::system().decimalPoint();
    return mark.isEmpty() ? QChar(u'.') : mark.front();
}

std::optional<QChar> overrideDecimalSeparator(std::optional<QChar> mark) {
    const std::optional<QChar> previous = separatorOverride();
    separatorOverride() = mark;
    return previous;
}

ScopedDecimalSeparator::ScopedDecimalSeparator(QChar mark)
    : m_previous(overrideDecimalSeparator(mark)) {}

ScopedDecimalSeparator::~ScopedDecimalSeparator() {
    overrideDecimalSeparator(m_previous);
}

std::optional<double> textToNumber(QStringView text, QChar separator) {
    const std::optional<std::string> cText = NumberScanner(text, separator).scan();
    if (!cText)
        return std::nullopt;
    return readCNumber(*cText);
}

std::optional<double> textToNumber(QStringView text) {
    return textToNumber(text, decimalSeparator());
}

QString printG(double value) {
    return printC(value, 6);
}

QString numberToText(double value, QChar separator) {
    QString text = printC(value, 15);
    text.replace(u'.', separator);
    return text;
}

QString numberToText(double value) {
    return numberToText(value, decimalSeparator());
}

QString numberToExactText(double value, QChar separator) {
    QString text = printC(value, std::nullopt);
    text.replace(u'.', separator);
    return text;
}

} // namespace platform
