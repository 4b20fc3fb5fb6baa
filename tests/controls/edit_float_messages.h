// The exact texts the numeric entry field shows, as the user reads them.
#pragma once

#include <QString>

#include <ostream>

namespace messages {

inline const QString belowMinCorrected = QStringLiteral(
    "Введённое значение параметра меньше минимально-допустимого.\n Произведена коррекция.");
inline const QString belowMinRestored =
    QStringLiteral("Введённое значение параметра меньше минимально-допустимого.\n Прежнее значение "
                   "параметра восстановлено.");
inline const QString aboveMaxCorrected = QStringLiteral(
    "Введённое значение параметра больше максимально-допустимого.\n Произведена коррекция.");
inline const QString aboveMaxRestored =
    QStringLiteral("Введённое значение параметра больше максимально-допустимого.\n Прежнее "
                   "значение параметра восстановлено.");
inline const QString badTextCorrected =
    QStringLiteral("Строка ввода имеет некорректный формат или пуста. \n Произведена коррекция.");
inline const QString badTextRestored = QStringLiteral(
    "Строка ввода имеет некорректный формат или пуста. \n Значение параметра восстановлено.");
inline const QString maxRefused =
    QStringLiteral("TEditInt: Максимальное значение должно быть больше минимального.");
inline const QString minRefused =
    QStringLiteral("TEditInt: Минимальное значение должно быть меньше максимального.");

} // namespace messages

// Lets a failing comparison print the texts themselves.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
