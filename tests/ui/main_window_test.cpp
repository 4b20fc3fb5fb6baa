#include "Unit1.h"
#include "message_box.h"
#include "qt_printers.h"
#include "screen.h"
#include "screen_cursor.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

namespace {

using platform::ScreenCursor;

// A shown main window with a seeded model, on a large screen, its splash already gone.
class MainWindow : public ::testing::Test {
protected:
    void SetUp() override {
        m_previousScreen = platform::setScreenSizeSource([] { return QSize(1920, 1080); });
        window = std::make_unique<TForm1>(0u);
        closeSplash();
        window->show();
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    void TearDown() override {
        window.reset();
        platform::setScreenSizeSource(m_previousScreen);
        platform::setScreenCursor(ScreenCursor::Default);
    }
    void closeSplash() {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->inherits("THelloForm"))
                w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    Ui::TForm1& ui() { return window->form(); }
    QStringList displays() {
        return {ui().StaticText3->text(), ui().StaticText2->text(), ui().StaticText1->text()};
    }
    // The check marks of N5..N7, N15..N17 and which picture shows, as one text.
    std::string selectionState() {
        std::string s;
        for (QAction* a : {ui().N5, ui().N6, ui().N7, ui().N15, ui().N16, ui().N17})
            s += a->isChecked() ? '1' : '0';
        s += ' ';
        s += ui().Image1->isVisible() ? "1" : "";
        s += ui().Image2->isVisible() ? "2" : "";
        s += ui().Image3->isVisible() ? "3" : "";
        return s;
    }
    void leaveField(QWidget* field) {
        field->setFocus();
        ui().ComboBox1->setFocus();
    }

    std::unique_ptr<TForm1> window;
    platform::ScreenSizeSource m_previousScreen;
};

TEST_F(MainWindow, ControlsStandWhereTheFormPutsThem) {
    struct Placed {
        QWidget* widget;
        const char* kind;
        QRect geometry;
    };
    const Placed placed[] = {
        {ui().ComboBox1, "QComboBox", {8, 24, 249, 21}},
        {ui().Button2, "QPushButton", {8, 56, 249, 25}},
        {ui().EditFloat1, "TEditFloat", {48, 32, 121, 30}},
        {ui().EditFloat2, "TEditFloat", {40, 32, 121, 30}},
        {ui().StaticText3, "QLabel", {10, 39, 183, 26}},
        {ui().StaticText2, "QLabel", {26, 39, 100, 26}},
        {ui().StaticText1, "QLabel", {18, 39, 100, 26}},
    };
    for (const auto& p : placed) {
        EXPECT_STREQ(p.widget->metaObject()->className(), p.kind) << p.kind;
        EXPECT_EQ(p.widget->geometry(), p.geometry) << p.widget->objectName().toStdString();
    }
    EXPECT_EQ(ui().ComboBox1->parentWidget(), ui().GroupBox6);
    EXPECT_EQ(ui().EditFloat1->parentWidget(), ui().GroupBox1);
    EXPECT_EQ(ui().EditFloat2->parentWidget(), ui().GroupBox2);
    EXPECT_EQ(ui().StaticText3->parentWidget(), ui().GroupBox3);
    EXPECT_EQ(ui().StaticText2->parentWidget(), ui().GroupBox5);
    EXPECT_EQ(ui().StaticText1->parentWidget(), ui().GroupBox4);
}

TEST_F(MainWindow, BandsAndGroupBoxesFillTheDesignSize) {
    EXPECT_EQ(window->windowTitle(), "Исследование обнаружителя сигналов");
    EXPECT_FALSE(window->isMaximized());
    EXPECT_EQ(ui().centralWidget->size(), QSize(784, 544));
    EXPECT_EQ(ui().Panel1->geometry(), QRect(0, 0, 784, 100));
    EXPECT_EQ(ui().Panel3->geometry(), QRect(0, 100, 784, 344));
    EXPECT_EQ(ui().Panel2->geometry(), QRect(0, 444, 784, 100));
    struct Box {
        QGroupBox* box;
        QRect geometry;
        int minimumWidth;
        const char* title;
    };
    const Box boxes[] = {
        {ui().GroupBox6, {2, 2, 303, 96}, 300, "  Лабораторная установка  "},
        {ui().GroupBox1, {305, 2, 227, 96}, 200, "  Коэффициент передачи усилителя , K "},
        {ui().GroupBox2, {532, 2, 250, 96}, 200, "  Порог принятия решения H, мВ   "},
        {ui().GroupBox3, {2, 2, 215, 96}, 200, " Регистратор, мВ*мВ   "},
        {ui().GroupBox5, {217, 2, 223, 96}, 200, "  Количество опытов  "},
        {ui().GroupBox4, {440, 2, 342, 96}, 200, "  Счётчик  "},
    };
    for (const auto& b : boxes) {
        EXPECT_EQ(b.box->geometry(), b.geometry) << b.title;
        EXPECT_EQ(b.box->minimumWidth(), b.minimumWidth) << b.title;
        EXPECT_EQ(b.box->title().toStdString(), b.title);
    }
    for (QAction* setup : {ui().N6, ui().N7, ui().N5}) {
        setup->trigger();
        for (auto* picture : {ui().Image1, ui().Image2, ui().Image3})
            if (picture->isVisible()) {
                EXPECT_EQ(picture->geometry(), QRect(3, 3, 778, 338));
            }
    }
    EXPECT_EQ(ui().Panel3->minimumHeight(), 200);
}

TEST_F(MainWindow, TextsFontsAndFocusOrderAtStart) {
    EXPECT_EQ(ui().Button2->text(), "Выполнить измерение");
    ASSERT_EQ(ui().ComboBox1->count(), 3);
    EXPECT_EQ(ui().ComboBox1->itemText(0), "Измерение дисперсии");
    EXPECT_EQ(ui().ComboBox1->itemText(1), "Вероятность ложной тревоги");
    EXPECT_EQ(ui().ComboBox1->itemText(2), "Вероятность правильного обнаружения");
    EXPECT_EQ(ui().ComboBox1->currentIndex(), 0);
    EXPECT_FALSE(ui().ComboBox1->isEditable());
    EXPECT_EQ(displays(), QStringList({"0", "0", "0"}));
    EXPECT_EQ(ui().EditFloat1->text(), "1");
    EXPECT_EQ(ui().EditFloat2->text(), "25");
    EXPECT_EQ(ui().EditFloat1->maxLength(), 4);
    EXPECT_EQ(ui().EditFloat2->Max(), 5000.0);
    EXPECT_EQ(ui().EditFloat1->Max(), 1000.0);
    EXPECT_TRUE(ui().EditFloat1->CorrMsg());
    EXPECT_EQ(ui().EditFloat1->Min(), 0.0);

    for (QWidget* w : std::initializer_list<QWidget*>{ui().EditFloat1, ui().StaticText3}) {
        EXPECT_EQ(w->font().family(), "Times New Roman");
        EXPECT_TRUE(w->font().bold());
        EXPECT_TRUE(w->font().italic());
    }
    EXPECT_EQ(window->font().family(), "MS Sans Serif");
    EXPECT_EQ(ui().StaticText3->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    EXPECT_EQ(ui().StaticText1->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);

    // Tab goes round the four working controls and skips the displays.
    EXPECT_EQ(QApplication::focusWidget(), ui().EditFloat1);
    std::vector<QString> order;
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order.push_back(QApplication::focusWidget()->objectName());
    }
    EXPECT_EQ(order, (std::vector<QString>{"EditFloat2", "ComboBox1", "Button2", "EditFloat1"}));
}

TEST_F(MainWindow, MenusHoldTheirItemsInOrder) {
    auto captions = [](const QList<QAction*>& actions) {
        QStringList list;
        for (QAction* a : actions)
            list << (a->isSeparator() ? QStringLiteral("-") : a->text());
        return list;
    };
    const QList<QAction*> bar = ui().MainMenu1->actions();
    ASSERT_EQ(bar.size(), 2);
    EXPECT_EQ(bar[0]->text(), "Файл");
    EXPECT_EQ(bar[1]->text(), "Лабораторная установка");
    EXPECT_EQ(captions(ui().N3->actions()),
              QStringList({"Копировать схему лабораторной установки",
                           "Сохранить схему лабораторной установки", "-", "Выход"}));
    EXPECT_EQ(captions(ui().N4->actions()),
              QStringList(
                  {"Измерение дисперсии шума на выходе СФ", "Измерение вероятности ложной тревоги",
                   "Измерение вероятности правильного обнаружения", "-", "Выполнить измерение"}));
    EXPECT_EQ(
        captions(window->popupMenu().actions()),
        QStringList({"Копировать схему лабораторной установки",
                     "Сохранить схему лабораторной установки", "-", "Измерение дисперсии",
                     "Измерение вероятности ложной тревоги",
                     "Измерение вероятности правильного обнаружения", "-", "Выполнить измерение"}));
    for (QAction* glyphed : {ui().N1, ui().N2, ui().N10, ui().N11, ui().N13, ui().N9, ui().N19})
        EXPECT_FALSE(glyphed->icon().isNull()) << glyphed->objectName().toStdString();
    for (QAction* any : ui().N4->actions())
        EXPECT_TRUE(any->shortcut().isEmpty());
    EXPECT_EQ(ui().N5->actionGroup(), nullptr);
    EXPECT_EQ(selectionState(), "100100 1");
}

TEST_F(MainWindow, EveryWayOfChoosingASetupSetsMarksAndPicture) {
    struct Way {
        const char* name;
        std::function<void(Ui::TForm1&, int)> choose;
    };
    const Way ways[] = {
        {"list",
         [](Ui::TForm1& form, int index) {
             // Keys walk the list as a user does; the list reports each choice.
             QComboBox* list = form.ComboBox1;
             list->setFocus();
             while (list->currentIndex() != index)
                 QTest::keyClick(list, list->currentIndex() < index ? Qt::Key_Down : Qt::Key_Up);
         }},
        {"main menu",
         [](Ui::TForm1& form, int index) {
             QAction* items[] = {form.N5, form.N6, form.N7};
             items[index]->trigger();
         }},
        {"pop-up menu",
         [](Ui::TForm1& form, int index) {
             QAction* items[] = {form.N15, form.N16, form.N17};
             items[index]->trigger();
         }},
    };
    const char* expected[] = {"100100 1", "010010 3", "001001 2"};
    for (const auto& way : ways) {
        for (int index : {1, 2, 2, 0, 1}) {
            // A list reports no change when nothing is chosen anew.
            if (way.name == std::string("list") && index == ui().ComboBox1->currentIndex())
                continue;
            ui().StaticText1->setText("7");
            way.choose(ui(), index);
            EXPECT_EQ(ui().ComboBox1->currentIndex(), index) << way.name;
            EXPECT_EQ(selectionState(), expected[index]) << way.name << " index " << index;
            EXPECT_EQ(displays(), QStringList({"0", "0", "0"})) << way.name;
        }
    }
}

TEST_F(MainWindow, ChoosingASetupLeavesModelAndFieldsAlone) {
    ui().EditFloat1->setText("3.5");
    leaveField(ui().EditFloat1);
    ui().N7->trigger();
    ui().N16->trigger();
    EXPECT_EQ(window->model().FGain, 3.5);
    EXPECT_EQ(ui().EditFloat1->text(), "3.5");
    EXPECT_EQ(window->model().noise().state(), detector::DetectorModel(0).noise().state());
}

TEST_F(MainWindow, MeasurementsShowTheirReadings) {
    detector::DetectorModel expected(0);
    QTest::mouseClick(ui().Button2, Qt::LeftButton);
    EXPECT_EQ(displays(), QStringList({"97,92", "1", "0"}));
    expected.MeasureVariance();

    ui().N6->trigger();
    ui().N9->trigger();
    EXPECT_EQ(displays(), QStringList({"0", "1000", QString::number(expected.CountFalseAlarms())}));

    ui().N7->trigger();
    ui().N19->trigger();
    EXPECT_EQ(displays(), QStringList({"0", "1000", "1000"}));
    expected.CountDetections();
    EXPECT_EQ(window->model().noise().state(), expected.noise().state());
}

TEST_F(MainWindow, MeasurementUsesCommittedValuesOnly) {
    ui().N7->trigger();
    // H = 100 with K = 0: every detection trial ends at exactly 100, which is not above it.
    ui().EditFloat1->setText("0");
    leaveField(ui().EditFloat1);
    ui().EditFloat2->setText("100");
    leaveField(ui().EditFloat2);
    QTest::mouseClick(ui().Button2, Qt::LeftButton);
    EXPECT_EQ(displays(), QStringList({"0", "1000", "0"}));

    // Typed but never left: the command still measures with H = 100.
    ui().EditFloat2->setFocus();
    ui().EditFloat2->setText("99");
    ui().N9->trigger();
    EXPECT_EQ(displays(), QStringList({"0", "1000", "0"}));
    EXPECT_EQ(window->model().FThreshold, 100.0);
}

TEST_F(MainWindow, EmptyFieldsCommitTheMiddleOfTheirRange) {
    platform::MessageRecorder messages;
    ui().EditFloat1->clear();
    leaveField(ui().EditFloat1);
    ui().EditFloat2->clear();
    leaveField(ui().EditFloat2);
    const QString badText =
        "Строка ввода имеет некорректный формат или пуста. \n Произведена коррекция.";
    EXPECT_EQ(messages.texts(), (std::vector<QString>{badText, badText}));
    EXPECT_EQ(window->model().FGain, 500.0);
    EXPECT_EQ(window->model().FThreshold, 2500.0);
    EXPECT_EQ(ui().EditFloat1->text(), "500");
}

TEST_F(MainWindow, CommandEndsWithTheDefaultCursor) {
    for (int index : {0, 1, 2, -1}) {
        platform::setScreenCursor(ScreenCursor::AppStart);
        ui().ComboBox1->setCurrentIndex(index);
        ui().N9->trigger();
        EXPECT_EQ(platform::screenCursor(), ScreenCursor::Default) << index;
        EXPECT_EQ(QApplication::overrideCursor(), nullptr) << index;
    }
    EXPECT_EQ(displays(), QStringList({"0", "0", "0"}));
}

TEST_F(MainWindow, ExitEndsTheEventLoop) {
    QTimer::singleShot(0, ui().N13, &QAction::trigger);
    QTimer::singleShot(5000, [] { QCoreApplication::exit(1); });
    EXPECT_EQ(QCoreApplication::exec(), 0);
}

TEST(MainWindowSize, SmallScreensMaximiseTheWindow) {
    struct Screen {
        QSize size;
        bool maximised;
    };
    const Screen screens[] = {{{800, 1024}, true},
                              {{1280, 600}, true},
                              {{1024, 768}, false},
                              {{801, 601}, false},
                              {{800, 600}, true}};
    for (const auto& s : screens) {
        const auto previous = platform::setScreenSizeSource([&] { return s.size; });
        TForm1 window(1u);
        EXPECT_EQ(window.windowState().testFlag(Qt::WindowMaximized), s.maximised)
            << s.size.width() << "x" << s.size.height();
        platform::setScreenSizeSource(previous);
    }
    platform::setScreenCursor(ScreenCursor::Default);
}

} // namespace
