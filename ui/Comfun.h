// Routines shared by the windows.
#pragma once

#include <QString>

#include <cstdint>

namespace platform {
class PictureBox;
}

// The value with a fixed number of decimals (precision code 0 to 7; any other code gives
// exponent form) and a decimal comma.
QString DoubleToText(std::int32_t precision, double value);

// Asks for a file name with the save dialog and writes the control's picture there as a BMP
// file, correcting any other extension to ".bmp". A failed write throws std::runtime_error
// naming the file and the reason, and leaves any existing file as it was.
void SaveImageAsBitmap(const platform::PictureBox& image);
