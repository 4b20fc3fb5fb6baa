// libFuzzer target: reading numbers and committing any text into the field never crashes, and
// after every commit the value lies within the field's limits.
#include "EditFloatUnit.h"

#include "locale_numbers.h"
#include "message_box.h"

#include <QApplication>
#include <QKeyEvent>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

QApplication* application = nullptr;

double takeDouble(const uint8_t*& data, size_t& size) {
    double value = 0.0;
    if (size >= sizeof value) {
        std::memcpy(&value, data, sizeof value);
        data += sizeof value;
        size -= sizeof value;
    }
    return value;
}

void require(bool condition) {
    if (!condition)
        std::abort();
}

void checkConversion(const QString& text) {
    for (const QChar separator : {QChar(u'.'), QChar(u',')}) {
        const std::optional<double> number = platform::textToNumber(text, separator);
        require(!number || !std::isnan(*number));
    }
}

void typeInto(TEditFloat& field, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, c == QChar(8) ? Qt::Key_Backspace : Qt::Key_unknown,
                        Qt::NoModifier, QString(c));
        QApplication::sendEvent(&field, &press);
    }
}

} // namespace

// Fontconfig keeps a few blocks until the process ends; they are not ours to free.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig";
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    application = new QApplication(*argc, *argv);
    platform::setMessageSink([](const QString&) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1)
        return 0;
    const uint8_t flags = data[0];
    ++data;
    --size;
    const double max = takeDouble(data, size);
    const double min = takeDouble(data, size);
    const double value = takeDouble(data, size);
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    checkConversion(text);

    const platform::ScopedDecimalSeparator separator((flags & 0x20) ? u',' : u'.');
    TEditFloat field;
    field.SetCorrType(flags & 0x01);
    field.SetCorrMsg(flags & 0x02);
    field.SetExpInp(flags & 0x04);
    field.SetGFormat(flags & 0x08);
    field.SetMax(max);
    field.SetMin(min);
    field.SetVal(value);
    if (flags & 0x10)
        typeInto(field, text);
    else
        field.setText(text);
    field.GetModify();
    require(field.Min() <= field.Max());
    require(field.Val() >= field.Min() && field.Val() <= field.Max());
    return 0;
}
