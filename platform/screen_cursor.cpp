#include "screen_cursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace platform {
namespace {

ScreenCursor currentCursor = ScreenCursor::Default;

Qt::CursorShape shapeOf(ScreenCursor cursor) {
    return cursor == ScreenCursor::HourGlass ? Qt::WaitCursor : Qt::BusyCursor;
}

} // namespace

void setScreenCursor(ScreenCursor cursor) {
    currentCursor = cursor;
    // Qt keeps override cursors on a stack; the program wants one value, so replace the top
    // entry rather than pushing, and clear the whole stack for the default.
    if (cursor == ScreenCursor::Default) {
        while (QGuiApplication::overrideCursor())
            QGuiApplication::restoreOverrideCursor();
    } else if (QGuiApplication::overrideCursor()) {
        QGuiApplication::changeOverrideCursor(QCursor(shapeOf(cursor)));
    } else {
        QGuiApplication::setOverrideCursor(QCursor(shapeOf(cursor)));
    }
}

ScreenCursor screenCursor() {
    return currentCursor;
}

} // namespace platform
