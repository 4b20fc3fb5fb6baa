// A Designer form that holds the field applies its settings in the order they stand in it.
#include "EditFloatUnit.h"
#include "edit_float_messages.h"

#include "locale_numbers.h"
#include "message_box.h"
#include "ui_edit_float_form.h"

#include <QLineEdit>

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(EditFloatForm, AppliesMaxBeforeMinSoNegativeLimitsLoseTheirMax) {
    const platform::MessageRecorder recorder;
    const platform::ScopedDecimalSeparator separator(u'.');
    QWidget form;
    Ui::EditFloatForm ui;
    ui.setupUi(&form);

    // Max -5 meets the initial Min 0 and is refused; Min -10 then passes the initial Max 1.
    EXPECT_EQ(recorder.texts(), std::vector<QString>{messages::maxRefused});
    EXPECT_EQ(ui.EditFloat1->Max(), 1.0);
    EXPECT_EQ(ui.EditFloat1->Min(), -10.0);
    EXPECT_EQ(ui.EditFloat1->Val(), -6.0);
    EXPECT_EQ(ui.EditFloat1->text(), QStringLiteral("-6"));
    EXPECT_TRUE(ui.EditFloat1->CorrMsg());
    // The form's length limit holds for typing and leaves written texts whole.
    EXPECT_EQ(ui.EditFloat1->maxLength(), 4);
    EXPECT_GT(static_cast<QLineEdit*>(ui.EditFloat1)->maxLength(), 4);
}

} // namespace
