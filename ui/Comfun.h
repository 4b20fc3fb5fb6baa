// Routines shared by the windows.
#pragma once

#include <QString>

#include <cstdint>

// The value with a fixed number of decimals (precision code 0 to 7; any other code gives
// exponent form) and a decimal comma.
QString DoubleToText(std::int32_t precision, double value);
