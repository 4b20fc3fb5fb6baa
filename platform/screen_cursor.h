// The screen cursor: one value, shown over every window of the program until it is set again.
#pragma once

namespace platform {

// The cursors the program sets, by their conventional numbers.
enum class ScreenCursor { Default = 0, HourGlass = -11, AppStart = -19 };

// Sets the one screen cursor; Default returns every window to its own cursor.
void setScreenCursor(ScreenCursor cursor);
ScreenCursor screenCursor();

} // namespace platform
