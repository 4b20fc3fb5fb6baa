// The keystroke filter and the focus of the numeric entry field, driven by real key events.
#include "EditFloatUnit.h"
#include "edit_float_messages.h"

#include "locale_numbers.h"
#include "message_box.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

constexpr char16_t backspace = 8;
constexpr char16_t enter = 13;
constexpr char16_t escape = 27;

Qt::Key keyFor(QChar c) {
    switch (c.unicode()) {
    case backspace:
        return Qt::Key_Backspace;
    case enter:
        return Qt::Key_Return;
    case escape:
        return Qt::Key_Escape;
    default:
        return Qt::Key(c.toUpper().unicode());
    }
}

// A window with the field and a second control that can take the focus from it.
class EditFloatKeys : public ::testing::Test {
protected:
    EditFloatKeys() {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(field);
        layout->addWidget(other);
        window.show();
        QApplication::setActiveWindow(&window);
        field->setFocus();
    }

    void SetUp() override { ASSERT_TRUE(field->hasFocus()); }

    void type(QChar c) {
        QTest::sendKeyEvent(QTest::Click, field, keyFor(c), QString(c), Qt::NoModifier);
    }

    // Puts a text in the field with the selection from `start` over `length` characters, or
    // the caret at `start` when the length is 0.
    void prepare(const QString& text, int start, int length) {
        field->setText(text);
        if (length > 0)
            field->setSelection(start, length);
        else
            field->setCursorPosition(start);
    }

    platform::MessageRecorder recorder;
    platform::ScopedDecimalSeparator separator{u'.'};
    QWidget window;
    TEditFloat* field = new TEditFloat(&window);
    QLineEdit* other = new QLineEdit(&window);
};

struct KeyCase {
    double min;
    bool expInp;
    const char16_t* before;
    int start, length;
    char16_t typed;
    const char16_t* after;
};

class Filter : public EditFloatKeys, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(Filter, AdmitsOnlyWhatCanBelongToANumber) {
    const KeyCase& c = GetParam();
    field->SetMin(c.min);
    field->SetExpInp(c.expInp);
    prepare(QStringView(c.before).toString(), c.start, c.length);
    type(c.typed);
    EXPECT_EQ(field->text(), QStringView(c.after).toString());
}

constexpr bool normal = false;
constexpr bool exponent = true;

INSTANTIATE_TEST_SUITE_P(
    NormalMode, Filter,
    ::testing::Values(
        // Digits, one decimal mark of either kind, and Backspace.
        KeyCase{0, normal, u"12", 2, 0, u'5', u"125"},
        KeyCase{0, normal, u"12", 0, 0, u'5', u"512"},
        KeyCase{0, normal, u"12", 2, 0, backspace, u"1"},
        KeyCase{0, normal, u"1", 1, 0, u'.', u"1."}, KeyCase{0, normal, u"1", 1, 0, u',', u"1,"},
        KeyCase{0, normal, u"1.", 2, 0, u',', u"1."}, KeyCase{0, normal, u"1,", 2, 0, u'.', u"1,"},
        KeyCase{0, normal, u"1.5", 1, 1, u',', u"1.5"},
        // Everything else.
        KeyCase{0, normal, u"1", 1, 0, u'a', u"1"}, KeyCase{0, normal, u"1", 1, 0, u'e', u"1"},
        KeyCase{0, normal, u"1", 1, 0, u'ж', u"1"}, KeyCase{0, normal, u"1", 1, 0, u'+', u"1"},
        KeyCase{0, normal, u"1", 1, 0, u' ', u"1"}, KeyCase{0, normal, u"1", 1, 0, enter, u"1"},
        KeyCase{0, normal, u"1", 1, 0, escape, u"1"},
        // The sign only where the lower limit is negative, and only in front.
        KeyCase{0, normal, u"", 0, 0, u'-', u""}, KeyCase{-1, normal, u"", 0, 0, u'-', u"-"},
        KeyCase{-1, normal, u"5", 0, 0, u'-', u"-5"}, KeyCase{-1, normal, u"5", 1, 0, u'-', u"5"},
        KeyCase{-1, normal, u"-", 0, 0, u'-', u"-"}, KeyCase{-1, normal, u"-5", 0, 2, u'-', u"-"},
        KeyCase{-1, normal, u"-5", 1, 1, u'-', u"-5"},
        // Nothing in front of the sign, Backspace included; after it as usual.
        KeyCase{-1, normal, u"-5", 0, 0, u'3', u"-5"},
        KeyCase{-1, normal, u"-5", 0, 0, backspace, u"-5"},
        KeyCase{-1, normal, u"-5", 0, 2, u'3', u"-5"},
        KeyCase{-1, normal, u"-5", 1, 0, u'3', u"-35"},
        KeyCase{-1, normal, u"-5", 1, 0, backspace, u"5"},
        KeyCase{0, normal, u"-5", 0, 0, u'3', u"-5"}));

INSTANTIATE_TEST_SUITE_P(ExponentMode, Filter,
                         ::testing::Values(KeyCase{0, exponent, u"1", 1, 0, u'e', u"1e"},
                                           KeyCase{0, exponent, u"1", 1, 0, u'E', u"1E"},
                                           KeyCase{0, exponent, u"1e", 2, 0, u'-', u"1e-"},
                                           KeyCase{0, exponent, u"1e", 2, 0, u'+', u"1e+"},
                                           KeyCase{0, exponent, u"1e", 2, 0, u'e', u"1ee"},
                                           KeyCase{0, exponent, u"1.5", 3, 0, u'.', u"1.5."},
                                           KeyCase{0, exponent, u"1.5", 3, 0, u',', u"1.5,"},
                                           KeyCase{0, exponent, u"-5", 0, 0, u'-', u"--5"},
                                           KeyCase{0, exponent, u"-5", 0, 0, u'3', u"3-5"},
                                           KeyCase{0, exponent, u"-5", 1, 0, backspace, u"5"},
                                           KeyCase{0, exponent, u"1", 1, 0, u'a', u"1"},
                                           KeyCase{0, exponent, u"1", 1, 0, u'ж', u"1"},
                                           KeyCase{0, exponent, u"1", 1, 0, u' ', u"1"},
                                           KeyCase{0, exponent, u"1", 1, 0, enter, u"1"},
                                           KeyCase{0, exponent, u"1", 1, 0, escape, u"1"}));

TEST_F(EditFloatKeys, AdmitsTheLocalesOwnMarkOnceAmongTheOthers) {
    const platform::ScopedDecimalSeparator semicolon(u';');
    prepare(QStringLiteral("1"), 1, 0);
    type(u';');
    type(u'.');
    type(u',');
    EXPECT_EQ(field->text(), QStringLiteral("1;"));
    field->SetExpInp(true);
    type(u';');
    EXPECT_EQ(field->text(), QStringLiteral("1;;"));
}

TEST_F(EditFloatKeys, DecimalMarkMayBeTypedAgainOnceDeleted) {
    prepare(QStringLiteral("1"), 1, 0);
    type(u'.');
    type(u',');
    type(backspace);
    type(u',');
    EXPECT_EQ(field->text(), QStringLiteral("1,"));
}

TEST_F(EditFloatKeys, KeysThatTypeNothingPassUnfiltered) {
    field->SetMin(-1);
    prepare(QStringLiteral("-5"), 0, 0);
    QTest::keyClick(field, Qt::Key_Delete);
    EXPECT_EQ(field->text(), QStringLiteral("5"));
    QTest::keyClick(field, Qt::Key_End);
    QTest::keyClick(field, Qt::Key_Left);
    EXPECT_EQ(field->cursorPosition(), 0);
}

TEST_F(EditFloatKeys, ReportsEachCharacterToTheOwnerWithDiscardedOnesAsNull) {
    QSignalSpy spy(field, &TEditFloat::OnKeyPress);
    prepare(QString(), 0, 0);
    type(u'7');
    type(u'x');
    ASSERT_EQ(spy.count(), 2);
    EXPECT_EQ(spy.at(0).at(0).value<QChar>(), QChar(u'7'));
    EXPECT_EQ(spy.at(1).at(0).value<QChar>(), QChar());
}

TEST_F(EditFloatKeys, FiltersEveryCharacterOfAnEventThatTypesSeveral) {
    prepare(QString(), 0, 0);
    QTest::sendKeyEvent(QTest::Press, field, Qt::Key_unknown, QStringLiteral("1a.2ж,"),
                        Qt::NoModifier);
    EXPECT_EQ(field->text(), QStringLiteral("1.2"));
}

TEST_F(EditFloatKeys, EditingShortcutsStayCommands) {
    prepare(QStringLiteral("12.5"), 4, 0);
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(field->selectedText(), QStringLiteral("12.5"));
    QTest::keyClick(field, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("12.5"));
    QTest::keyClick(field, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(field->text(), QString());
    QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(field->text(), QStringLiteral("12.5"));
    QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(field->text(), QString());

    // A pasted text is not filtered; the commit judges it.
    QApplication::clipboard()->setText(QStringLiteral("ab"));
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(field->text(), QStringLiteral("ab"));
}

TEST_F(EditFloatKeys, TypingAndPastingStopAtTheTypingLimit) {
    field->setMaxLength(4);
    prepare(QString(), 0, 0);
    for (const QChar c : QStringLiteral("12345"))
        type(c);
    EXPECT_EQ(field->text(), QStringLiteral("1234"));
    type(backspace);
    type(backspace);
    QApplication::clipboard()->setText(QStringLiteral("6789"));
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(field->text(), QStringLiteral("1267"));
    field->setSelection(0, 2);
    type(u'5');
    EXPECT_EQ(field->text(), QStringLiteral("567"));
}

TEST_F(EditFloatKeys, LeavingTheFieldEmitsOnExitAndACommitThereCorrectsTheEntry) {
    // The gain field of the main window: 0 to 1000, correcting with messages, four characters.
    field->setMaxLength(4);
    field->SetCorrMsg(true);
    field->SetMax(1000);
    field->SetVal(1);
    QObject::connect(field, &TEditFloat::OnExit, field, [this] { field->GetModify(); });
    QSignalSpy exits(field, &TEditFloat::OnExit);
    prepare(QString(), 0, 0);
    for (const QChar c : QStringLiteral("2000"))
        type(c);
    EXPECT_EQ(exits.count(), 0);
    QTest::keyClick(field, Qt::Key_Tab); // the filter must not swallow the move to the next control
    ASSERT_TRUE(other->hasFocus());
    EXPECT_EQ(exits.count(), 1);
    EXPECT_EQ(field->Val(), 1000.0);
    EXPECT_EQ(field->text(), QStringLiteral("1000"));
    EXPECT_EQ(recorder.texts(), std::vector<QString>{messages::aboveMaxCorrected});

    field->setFocus();
    other->setFocus();
    EXPECT_EQ(exits.count(), 2);
}

TEST_F(EditFloatKeys, SwitchingToAnotherWindowLeavesTheEntryInProgress) {
    QSignalSpy exits(field, &TEditFloat::OnExit);
    QWidget second;
    second.show();
    second.activateWindow();
    QApplication::setActiveWindow(&second);
    ASSERT_FALSE(field->hasFocus());
    EXPECT_EQ(exits.count(), 0);
}

} // namespace
