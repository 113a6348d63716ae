// orbelune: the physics courseware on the desktop.
#include <dlfcn.h>

#include <QApplication>
#include <thread>

#include "desktop/app.h"
#include "desktop/look.h"

int main(int argc, char** argv) {
    // Reading fontconfig's configuration is the largest single cost before the main menu's first
    // frame, and the connection to the display does not need it: read it meanwhile. Qt brings
    // fontconfig in already; where it does not, there is nothing to do.
    std::thread fonts([] {
        if (auto init = reinterpret_cast<int (*)()>(dlsym(RTLD_DEFAULT, "FcInit"))) init();
    });
    QApplication qapp(argc, argv);
    fonts.join();
    QApplication::setApplicationName(QStringLiteral("Orbelune"));
    QApplication::setWindowIcon(desktop::saucerIcon());
    desktop::loadBundledFonts();
    desktop::App app;
    app.start();
    return QApplication::exec();
}
