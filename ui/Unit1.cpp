#include "Unit1.h"

#include "Comfun.h"
#include "HelloUnit.h"
#include "clipboard.h"
#include "jpeg_picture.h"
#include "screen.h"
#include "screen_cursor.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>

namespace {

QImage schematic(const QString& resource) {
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly))
        throw platform::PictureError("Нет рисунка " + resource.toStdString());
    return platform::decodeJpeg(file.readAll());
}

} // namespace

TForm1::TForm1(std::optional<std::uint32_t> seed) {
    ui.setupUi(this);
    for (QAction* item : {ui.N1, ui.N2, ui.N14, ui.N15, ui.N16, ui.N17, ui.N18, ui.N19})
        PopupMenu1.addAction(item);
    for (auto* picture : {ui.Image1, ui.Image2, ui.Image3})
        picture->setPopupMenu(&PopupMenu1);
    loadPictures();
    connectHandlers();
    resize(784, 544 + ui.MainMenu1->sizeHint().height());
    centreOnScreen();
    ui.EditFloat1->setFocus();

    if (seed)
        m_model.emplace(*seed);
    else
        m_model.emplace();

    // The splash is painted at once: the event loop that would paint it has not started yet.
    auto* splash = new THelloForm(this);
    splash->show();
    splash->repaint();
    m_splash = splash;

    FormCreate();
}

TForm1::~TForm1() = default;

void TForm1::loadPictures() {
    ui.Image1->setPicture(schematic(QStringLiteral(":/resources/Image1.jpg")));
    ui.Image2->setPicture(schematic(QStringLiteral(":/resources/Image2.jpg")));
    ui.Image3->setPicture(schematic(QStringLiteral(":/resources/Image3.jpg")));
}

void TForm1::connectHandlers() {
    connect(ui.ComboBox1, &QComboBox::activated, this, &TForm1::ComboBox1Change);
    connect(ui.Button2, &QPushButton::clicked, this, &TForm1::Button2Click);
    connect(ui.N9, &QAction::triggered, this, &TForm1::Button2Click);
    connect(ui.N19, &QAction::triggered, this, &TForm1::Button2Click);
    connect(ui.EditFloat1, &TEditFloat::OnExit, this, &TForm1::EditFloat1Exit);
    connect(ui.EditFloat2, &TEditFloat::OnExit, this, &TForm1::EditFloat2Exit);
    connect(ui.N10, &QAction::triggered, this, &TForm1::N1Click);
    connect(ui.N1, &QAction::triggered, this, &TForm1::N1Click);
    connect(ui.N11, &QAction::triggered, this, &TForm1::N2Click);
    connect(ui.N2, &QAction::triggered, this, &TForm1::N2Click);
    connect(ui.N13, &QAction::triggered, this, &TForm1::N13Click);
    connect(ui.N5, &QAction::triggered, this, &TForm1::N5Click);
    connect(ui.N15, &QAction::triggered, this, &TForm1::N5Click);
    connect(ui.N6, &QAction::triggered, this, &TForm1::N6Click);
    connect(ui.N16, &QAction::triggered, this, &TForm1::N6Click);
    connect(ui.N7, &QAction::triggered, this, &TForm1::N7Click);
    connect(ui.N17, &QAction::triggered, this, &TForm1::N7Click);
}

void TForm1::centreOnScreen() {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - frameGeometry().center() + pos());
}

void TForm1::FormCreate() {
    const QSize screen = platform::screenSize();
    if (screen.width() <= 800 || screen.height() <= 600)
        setWindowState(windowState() | Qt::WindowMaximized);
}

void TForm1::clearDisplays() {
    ui.StaticText3->setText(QStringLiteral("0"));
    ui.StaticText2->setText(QStringLiteral("0"));
    ui.StaticText1->setText(QStringLiteral("0"));
}

void TForm1::ComboBox1Change() {
    const int index = ui.ComboBox1->currentIndex();
    if (index >= 0 && index <= 2) {
        ui.Image1->setVisible(index == 0);
        ui.Image3->setVisible(index == 1);
        ui.Image2->setVisible(index == 2);
        ui.N5->setChecked(index == 0);
        ui.N6->setChecked(index == 1);
        ui.N7->setChecked(index == 2);
        ui.N15->setChecked(index == 0);
        ui.N16->setChecked(index == 1);
        ui.N17->setChecked(index == 2);
    }
    clearDisplays();
}

void TForm1::selectSetup(int index) {
    // Setting the index from the program raises no change of its own: the handler runs once.
    ui.ComboBox1->setCurrentIndex(index);
    ComboBox1Change();
}

void TForm1::N5Click() {
    selectSetup(0);
}

void TForm1::N6Click() {
    selectSetup(1);
}

void TForm1::N7Click() {
    selectSetup(2);
}

void TForm1::N13Click() {
    QCoreApplication::quit();
}

void TForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // Without a window manager to honour stay-on-top, the window shown last would cover it.
    if (m_splash)
        m_splash->raise();
}

void TForm1::closeEvent(QCloseEvent* event) {
    // Closing the main window ends the program, even while the splash is still up.
    event->accept();
    QCoreApplication::quit();
}

void TForm1::EditFloat1Exit() {
    ui.EditFloat1->GetModify();
    m_model->FGain = ui.EditFloat1->Val();
}

void TForm1::EditFloat2Exit() {
    ui.EditFloat2->GetModify();
    m_model->FThreshold = ui.EditFloat2->Val();
}

void TForm1::Button2Click() {
    platform::setScreenCursor(platform::ScreenCursor::HourGlass);
    // The default cursor comes back on every way out, an exception included.
    struct CursorRestorer {
        ~CursorRestorer() { platform::setScreenCursor(platform::ScreenCursor::Default); }
    } restorer;

    clearDisplays();
    detector::DetectorModel& model = *m_model;
    model.FGain = ui.EditFloat1->Val();
    model.FThreshold = ui.EditFloat2->Val();
    switch (ui.ComboBox1->currentIndex()) {
    case 0: {
        const double variance = model.MeasureVariance();
        ui.StaticText3->setText(DoubleToText(2, variance));
        ui.StaticText2->setText(QStringLiteral("1"));
        ui.StaticText1->setText(QStringLiteral("0"));
        break;
    }
    case 1:
    case 2: {
        const bool detection = ui.ComboBox1->currentIndex() == 2;
        const std::int32_t count = detection ? model.CountDetections() : model.CountFalseAlarms();
        ui.StaticText3->setText(QStringLiteral("0"));
        ui.StaticText2->setText(QString::number(model.FTrialCount));
        ui.StaticText1->setText(QString::number(count));
        break;
    }
    default:
        break;
    }
}

platform::PictureBox* TForm1::currentPicture() const {
    switch (ui.ComboBox1->currentIndex()) {
    case 0:
        return ui.Image1;
    case 1:
        return ui.Image3;
    case 2:
        return ui.Image2;
    default:
        return nullptr;
    }
}

void TForm1::N1Click() {
    if (const platform::PictureBox* picture = currentPicture())
        platform::copyImageToClipboard(picture->picture());
}

void TForm1::N2Click() {
    if (const platform::PictureBox* picture = currentPicture())
        SaveImageAsBitmap(*picture);
}
