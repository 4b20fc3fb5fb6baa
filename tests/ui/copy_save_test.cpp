#include "Comfun.h"
#include "Unit1.h"
#include "message_box.h"
#include "qt_printers.h"
#include "question_box.h"
#include "save_dialog.h"
#include "screen.h"
#include "screen_cursor.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <new>
#include <stdexcept>

namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// The bits-per-pixel and compression fields of a BMP file's headers.
std::pair<int, int> bmpDepthAndCompression(const QByteArray& bmp) {
    auto le16 = [&](int at) { return quint8(bmp[at]) | quint8(bmp[at + 1]) << 8; };
    auto le32 = [&](int at) { return le16(at) | le16(at + 2) << 16; };
    return {le16(28), le32(30)};
}

class CopyAndSave : public ::testing::Test {
protected:
    void SetUp() override {
        m_previousScreen = platform::setScreenSizeSource([] { return QSize(1920, 1080); });
        m_previousRunner = platform::setSaveDialogRunner([this](const auto& settings) {
            m_settings = settings;
            ++m_dialogs;
            if (m_outOfMemory)
                throw std::bad_alloc();
            return m_answer;
        });
        m_previousQuestion = platform::setQuestionSink([this](const QString& text) {
            m_questions.push_back(text);
            return m_replace;
        });
        window = std::make_unique<TForm1>(0u);
        ASSERT_TRUE(m_dir.isValid());
    }
    void TearDown() override {
        window.reset();
        platform::setSaveDialogRunner(m_previousRunner);
        platform::setQuestionSink(m_previousQuestion);
        platform::setScreenSizeSource(m_previousScreen);
        platform::setScreenCursor(platform::ScreenCursor::Default);
    }
    QString inDir(const QString& name) const { return m_dir.filePath(name); }
    void chooseInDialog(const QString& name) { m_answer = name; }
    QImage savedImage(const QString& path) { return QImageReader(path, "BMP").read(); }

    std::unique_ptr<TForm1> window;
    platform::MessageRecorder messages;
    QTemporaryDir m_dir;
    std::optional<QString> m_answer;
    platform::SaveDialogSettings m_settings;
    int m_dialogs = 0;
    bool m_outOfMemory = false;
    bool m_replace = false;
    std::vector<QString> m_questions;
    platform::ScreenSizeSource m_previousScreen;
    platform::SaveDialogRunner m_previousRunner;
    platform::QuestionSink m_previousQuestion;
};

TEST_F(CopyAndSave, CopyPutsTheCurrentSchematicAtFullSize) {
    Ui::TForm1& ui = window->form();
    const std::pair<QAction*, platform::PictureBox*> setups[] = {
        {ui.N5, ui.Image1}, {ui.N6, ui.Image3}, {ui.N7, ui.Image2}};
    for (const auto& [choose, picture] : setups) {
        QGuiApplication::clipboard()->setText("earlier text");
        choose->trigger();
        ui.N10->trigger();
        const QImage copied = QGuiApplication::clipboard()->image();
        EXPECT_EQ(copied.size(), QSize(680, 242));
        EXPECT_EQ(copied.convertToFormat(QImage::Format_RGB32), picture->picture());
        EXPECT_TRUE(QGuiApplication::clipboard()->text().isEmpty());
    }
    // The three pictures differ, so the comparison above tells them apart.
    EXPECT_NE(ui.Image2->picture(), ui.Image3->picture());
    EXPECT_NE(ui.Image1->picture(), ui.Image3->picture());
}

TEST_F(CopyAndSave, DialogIsSetUpForBitmaps) {
    window->form().N11->trigger();
    EXPECT_EQ(m_dialogs, 1);
    EXPECT_EQ(m_settings.defaultSuffix, "bmp");
    EXPECT_EQ(m_settings.nameFilter, "Bitmaps (*.bmp)");
    EXPECT_EQ(m_settings.proposedName, "Рисунок.bmp");
    EXPECT_TRUE(messages.texts().empty()); // cancelled: nothing said, nothing written
    EXPECT_TRUE(QDir(m_dir.path()).isEmpty());
}

TEST_F(CopyAndSave, ExtensionsAreCheckedAndCorrected) {
    struct Case {
        QString chosen;
        QString written;
        QString extensionInMessage; // empty: no message expected
        bool message;
    };
    const Case cases[] = {
        {"Рисунок.bmp", "Рисунок.bmp", "", false},
        {"Схема.BMP", "Схема.BMP", "", false},
        {"схема.jpg", "схема.bmp", ".jpg", true},
        {"Фото.JPG", "Фото.bmp", ".jpg", true},
        {"a.bmp.txt", "a.bmp.bmp", ".txt", true},
        {"без расширения", "без расширения.bmp", "", true},
        {"папка.d/отчёт", "папка.d/отчёт.bmp", "", true},
    };
    QDir(m_dir.path()).mkdir("папка.d");
    for (const auto& c : cases) {
        messages.clear();
        chooseInDialog(inDir(c.chosen));
        window->form().N2->trigger();
        if (c.message) {
            ASSERT_EQ(messages.texts().size(), 1u) << c.chosen.toStdString();
            EXPECT_EQ(messages.texts()[0], inDir(c.chosen) + ":\nФормат файлов " +
                                               c.extensionInMessage +
                                               " не поддерживается.Произведена коррекция.");
        } else {
            EXPECT_TRUE(messages.texts().empty()) << c.chosen.toStdString();
        }
        const QByteArray bmp = readAll(inDir(c.written));
        ASSERT_FALSE(bmp.isEmpty()) << c.written.toStdString();
        EXPECT_TRUE(bmp.startsWith("BM"));
        EXPECT_EQ(bmpDepthAndCompression(bmp), std::make_pair(24, 0));
        EXPECT_EQ(savedImage(inDir(c.written)).convertToFormat(QImage::Format_RGB32),
                  window->form().Image1->picture());
    }
    EXPECT_TRUE(m_questions.empty());
}

TEST_F(CopyAndSave, SaveUsesThePictureOfTheCurrentSetup) {
    Ui::TForm1& ui = window->form();
    const std::pair<QAction*, platform::PictureBox*> setups[] = {
        {ui.N6, ui.Image3}, {ui.N7, ui.Image2}, {ui.N5, ui.Image1}};
    for (const auto& [choose, picture] : setups) {
        choose->trigger();
        chooseInDialog(inDir(choose->objectName() + ".bmp"));
        ui.N11->trigger();
        const QImage saved = savedImage(inDir(choose->objectName() + ".bmp"));
        EXPECT_EQ(saved.size(), QSize(680, 242));
        EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32), picture->picture());
    }
}

TEST_F(CopyAndSave, CorrectedNameOfAnExistingFileIsReplacedOnlyWhenConfirmed) {
    writeAll(inDir("отчёт.bmp"), "keep me");
    chooseInDialog(inDir("отчёт.png"));
    m_replace = false;
    window->form().N11->trigger();
    ASSERT_EQ(m_questions.size(), 1u);
    EXPECT_TRUE(m_questions[0].contains(inDir("отчёт.bmp")));
    EXPECT_EQ(readAll(inDir("отчёт.bmp")), "keep me");

    m_replace = true;
    window->form().N11->trigger();
    EXPECT_TRUE(readAll(inDir("отчёт.bmp")).startsWith("BM"));
}

TEST_F(CopyAndSave, FailedWriteIsReportedAndKeepsTheOldFile) {
    writeAll(inDir("file.txt"), "x");
    chooseInDialog(inDir("file.txt/схема.bmp"));
    try {
        window->form().N11->trigger();
        FAIL() << "a write into a missing folder must fail";
    } catch (const std::runtime_error& error) {
        EXPECT_TRUE(QString::fromUtf8(error.what()).contains(inDir("file.txt/схема.bmp")))
            << error.what();
    }

    // A picture that cannot be written leaves the file it would have replaced untouched.
    writeAll(inDir("old.bmp"), "old contents");
    chooseInDialog(inDir("old.bmp"));
    platform::PictureBox empty;
    EXPECT_THROW(SaveImageAsBitmap(empty), std::runtime_error);
    EXPECT_EQ(readAll(inDir("old.bmp")), "old contents");
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files).size(), 2);
}

TEST_F(CopyAndSave, DialogThatCannotBeMadeSaysSo) {
    m_outOfMemory = true;
    chooseInDialog(inDir("x.bmp"));
    window->form().N11->trigger();
    EXPECT_EQ(messages.texts(),
              std::vector<QString>{"Не удаётся сохранить файл. Не достаточно памяти."});
    EXPECT_FALSE(QFile::exists(inDir("x.bmp")));
}

TEST_F(CopyAndSave, NoSetupSelectedDoesNothing) {
    window->form().ComboBox1->setCurrentIndex(-1);
    QGuiApplication::clipboard()->setText("kept");
    window->form().N1->trigger();
    window->form().N2->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "kept");
    EXPECT_EQ(m_dialogs, 0);
}

} // namespace
