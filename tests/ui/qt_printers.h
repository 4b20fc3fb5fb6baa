// Readable gtest output for the Qt values the window tests compare.
#pragma once

#include <QRect>
#include <QString>
#include <QStringList>

#include <ostream>

inline void PrintTo(const QRect& r, std::ostream* os) {
    *os << "QRect(" << r.x() << ", " << r.y() << ", " << r.width() << " x " << r.height() << ")";
}

inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

inline void PrintTo(const QStringList& list, std::ostream* os) {
    *os << '{';
    for (const QString& s : list)
        *os << " \"" << s.toStdString() << '"';
    *os << " }";
}
