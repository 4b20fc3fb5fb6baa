// Entry point of the widget tests: the program's own application object (with its error
// report) on the offscreen platform and in the C locale, both fixed before it exists, so that
// results do not depend on the machine's display or language.
#include "application.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("LC_ALL", "C.UTF-8", 1);
    std::setlocale(LC_ALL, "C.UTF-8");
    QLocale::setDefault(QLocale::c());
    platform::Application app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
