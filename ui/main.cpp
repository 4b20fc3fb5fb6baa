// Detector Lab: starts the application, the main window with its splash, and the event loop.
#include "Unit1.h"
#include "application.h"

#include <QIcon>

#include <exception>

int main(int argc, char** argv) {
    // The program takes no arguments; Qt's own are all it looks at.
    platform::Application application(argc, argv);
    application.setWindowIcon(QIcon(QStringLiteral(":/resources/app_icon.png")));
    try {
        TForm1 Form1;
        Form1.show();
        application.exec();
    } catch (const std::exception& error) {
        platform::reportError(error);
    } catch (...) {
        platform::reportError(QString());
    }
    return 0;
}
