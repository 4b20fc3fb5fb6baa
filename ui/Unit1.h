// The main window: setup selection, the entry fields for K and H, the schematic of the chosen
// setup, the instruments' displays and the commands of both menus.
#pragma once

#include "detector_model.h"
#include "ui_Unit1.h"

#include <QMainWindow>
#include <QMenu>
#include <QPointer>

#include <cstdint>
#include <optional>

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    using CFilter = detector::CFilter;

    // Seeds the model from the clock, or with the given seed where one is given (tests).
    explicit TForm1(std::optional<std::uint32_t> seed = std::nullopt);
    ~TForm1() override;

    Ui::TForm1& form() { return ui; }
    QMenu& popupMenu() { return PopupMenu1; }
    detector::DetectorModel& model() { return *m_model; }

    void EditFloat1Exit();
    void ComboBox1Change();
    void Button2Click();
    void EditFloat2Exit();
    void N1Click();
    void N2Click();
    void N13Click();
    void N6Click();
    void N5Click();
    void N7Click();
    void FormCreate();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void connectHandlers();
    void loadPictures();
    void centreOnScreen();
    void selectSetup(int index);
    void clearDisplays();
    platform::PictureBox* currentPicture() const;

    Ui::TForm1 ui;
    QMenu PopupMenu1;
    std::optional<detector::DetectorModel> m_model;
    // Watches the splash without owning it: it frees itself when it closes.
    QPointer<QWidget> m_splash;
};
