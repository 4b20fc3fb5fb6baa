#include "EditFloatUnit.h"

#include "locale_numbers.h"
#include "message_box.h"

#include <QClipboard>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QKeySequence>

#include <algorithm>
#include <numeric>

namespace {

const QString belowMinCorrected =
    QStringLiteral("Введённое значение параметра меньше минимально-допустимого.\n"
                   " Произведена коррекция.");
const QString belowMinRestored =
    QStringLiteral("Введённое значение параметра меньше минимально-допустимого.\n"
                   " Прежнее значение параметра восстановлено.");
const QString aboveMaxCorrected =
    QStringLiteral("Введённое значение параметра больше максимально-допустимого.\n"
                   " Произведена коррекция.");
const QString aboveMaxRestored =
    QStringLiteral("Введённое значение параметра больше максимально-допустимого.\n"
                   " Прежнее значение параметра восстановлено.");
const QString badTextCorrected =
    QStringLiteral("Строка ввода имеет некорректный формат или пуста. \n Произведена коррекция.");
const QString badTextRestored = QStringLiteral(
    "Строка ввода имеет некорректный формат или пуста. \n Значение параметра восстановлено.");
const QString maxRefused =
    QStringLiteral("TEditInt: Максимальное значение должно быть больше минимального.");
const QString minRefused =
    QStringLiteral("TEditInt: Минимальное значение должно быть меньше максимального.");

constexpr QChar backspaceCharacter = QChar(8);
// The text is searched for its first decimal mark no further than this position.
constexpr qsizetype lastMarkPosition = 3000;

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

bool isDecimalMark(QChar c) {
    return c == u'.' || c == u',' || c == platform::decimalSeparator();
}

bool isEditingCommand(const QKeyEvent* event) {
    for (const auto command : {QKeySequence::SelectAll, QKeySequence::Copy, QKeySequence::Cut,
                               QKeySequence::Paste, QKeySequence::Undo, QKeySequence::Redo}) {
        if (event->matches(command))
            return true;
    }
    return false;
}

} // namespace

TEditFloat::TEditFloat(QWidget* parent) : QLineEdit(parent) {
    // Without an input method every character arrives as a key event and passes the filter.
    setAttribute(Qt::WA_InputMethodEnabled, false);
    ValToText();
}

void TEditFloat::setMaxLength(int length) {
    m_typingLimit = std::clamp(length, 0, 32767);
}

void TEditFloat::SetMax(double value) {
    if (value >= FMin) {
        FMax = value;
        if (FVal > FMax)
            SetVal0(FMax);
    } else {
        platform::showMessage(maxRefused);
    }
}

void TEditFloat::SetMin(double value) {
    if (value <= FMax) {
        FMin = value;
        if (FVal < FMin)
            SetVal0(FMin);
    } else {
        platform::showMessage(minRefused);
    }
}

void TEditFloat::SetVal(double value) {
    SetVal0(value);
    // Keep exactly the number that the text shows.
    TextToVal();
}

bool TEditFloat::GetModify() {
    const double previous = FVal;
    if (!TextToVal()) {
        if (FCorrType) {
            report(badTextCorrected);
            FVal = std::midpoint(FMin, FMax);
        } else {
            report(badTextRestored);
            FVal = previous;
        }
    }
    const double candidate = FVal;
    FVal = previous;
    SetVal0(candidate);
    return FModify;
}

void TEditFloat::SetVal0(double value) {
    // Written as "not at least Min" so that a NaN is caught here too.
    if (!(value >= FMin)) {
        report(FCorrType ? belowMinCorrected : belowMinRestored);
        value = FCorrType ? FMin : FVal;
    }
    if (value > FMax) {
        report(FCorrType ? aboveMaxCorrected : aboveMaxRestored);
        value = FCorrType ? FMax : FVal;
    }
    FModify = FVal != value;
    if (FModify)
        FVal = value;
    ValToText();
}

bool TEditFloat::TextToVal() {
    CorrectText();
    const std::optional<double> number = platform::textToNumber(text());
    if (!number)
        return false;
    FVal = *number;
    return true;
}

void TEditFloat::ValToText() {
    if (FGFormat) {
        setText(readableWithinLimits(platform::printG(FVal), u'.'));
        CorrectText();
    } else {
        const QChar separator = platform::decimalSeparator();
        setText(readableWithinLimits(platform::numberToText(FVal, separator), separator));
    }
}

// Rounded to the format's digits, a value next to a limit may read back beyond it, and the
// next commit of the untouched text would then correct it with a message. Such a value is
// shown with the digits it needs to read back exactly.
QString TEditFloat::readableWithinLimits(const QString& shown, QChar separator) const {
    const std::optional<double> readBack = platform::textToNumber(shown, separator);
    if (!readBack || (*readBack >= FMin && *readBack <= FMax))
        return shown;
    return platform::numberToExactText(FVal, separator);
}

void TEditFloat::CorrectText() {
    QString corrected = text();
    const qsizetype end = std::min(corrected.size(), lastMarkPosition + 1);
    for (qsizetype i = 0; i < end; ++i) {
        if (corrected[i] == u'.' || corrected[i] == u',') {
            corrected[i] = platform::decimalSeparator();
            break;
        }
    }
    setText(corrected);
}

void TEditFloat::KeyPress(QChar& Key) {
    const bool admitted = FExpInp ? admitsInExponentMode(Key) : admitsInNormalMode(Key);
    if (!admitted)
        Key = QChar();
}

bool TEditFloat::admitsInNormalMode(QChar key) const {
    const QString current = text();
    const int selectionStartOrCaret = hasSelectedText() ? selectionStart() : cursorPosition();
    if (key == u'-' && FMin < 0) {
        if (selectionStartOrCaret != 0)
            return false;
        return hasSelectedText() || !current.contains(u'-');
    }
    if (isDecimalMark(key))
        return !std::any_of(current.begin(), current.end(), isDecimalMark);
    // Nothing may be typed in front of the sign.
    if (current.contains(u'-') && selectionStartOrCaret == 0)
        return false;
    return key == backspaceCharacter || isDigit(key);
}

bool TEditFloat::admitsInExponentMode(QChar key) const {
    return QStringView(u"-+.,eE").contains(key) || key == platform::decimalSeparator() ||
           key == backspaceCharacter || isDigit(key);
}

void TEditFloat::keyPressEvent(QKeyEvent* event) {
    const QString typed = event->text();
    if (event->matches(QKeySequence::Paste)) {
        pasteWithinTypingLimit();
        event->accept();
        return;
    }
    if (typed.isEmpty() || isEditingCommand(event)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (typed.size() > 1) {
        for (const QChar key : typed)
            typeCharacter(key);
        event->accept();
        return;
    }
    QChar key = typed.front();
    KeyPress(key);
    emit OnKeyPress(key);
    if (key.isNull() || !roomForTyping(key)) {
        // Left to the parent, as keys the line edit does not use are: a dialog still sees
        // Enter and Escape.
        event->ignore();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void TEditFloat::typeCharacter(QChar key) {
    QKeyEvent single(QEvent::KeyPress,
                     key == backspaceCharacter ? Qt::Key_Backspace : Qt::Key_unknown,
                     Qt::NoModifier, QString(key));
    keyPressEvent(&single);
}

bool TEditFloat::roomForTyping(QChar key) const {
    return key == backspaceCharacter || text().size() - selectedText().size() < m_typingLimit;
}

void TEditFloat::pasteWithinTypingLimit() {
    if (isReadOnly())
        return;
    const qsizetype room = m_typingLimit - (text().size() - selectedText().size());
    insert(QGuiApplication::clipboard()->text().left(std::max<qsizetype>(room, 0)));
}

void TEditFloat::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // A popup menu or a switch to another window leaves the entry in progress; only a move
    // to another control ends it.
    if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason)
        emit OnExit();
}

void TEditFloat::report(const QString& message) const {
    if (FCorrMsg)
        platform::showMessage(message);
}
