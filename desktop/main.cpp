// orbelune: the physics courseware on the desktop.
#include <QApplication>

#include "desktop/app.h"
#include "desktop/look.h"

int main(int argc, char** argv) {
    QApplication qapp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orbelune"));
    QApplication::setWindowIcon(desktop::saucerIcon());
    desktop::loadBundledFonts();
    desktop::App app;
    app.start();
    return QApplication::exec();
}
