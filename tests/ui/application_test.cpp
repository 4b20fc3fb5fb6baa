#include "application.h"
#include "message_box.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

TEST(Application, ErrorInAHandlerIsReportedAndTheProgramGoesOn) {
    platform::MessageRecorder messages;
    QPushButton button;
    int clicks = 0;
    QObject::connect(&button, &QPushButton::clicked, [&] {
        ++clicks;
        throw std::runtime_error("Диск переполнен");
    });
    button.show();
    QTest::mouseClick(&button, Qt::LeftButton);
    QTest::mouseClick(&button, Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(messages.texts(), (std::vector<QString>{"Диск переполнен", "Диск переполнен"}));
}

} // namespace

namespace {

TEST(Application, QtsOwnTextsAreRussian) {
    QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel |
                             QDialogButtonBox::Yes | QDialogButtonBox::No);
    EXPECT_EQ(buttons.button(QDialogButtonBox::Cancel)->text().remove(u'&'), "Отмена");
    EXPECT_EQ(buttons.button(QDialogButtonBox::Yes)->text().remove(u'&'), "Да");
    EXPECT_EQ(buttons.button(QDialogButtonBox::No)->text().remove(u'&'), "Нет");
}

} // namespace
