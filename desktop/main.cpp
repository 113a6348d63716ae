// orbelune: the physics courseware on the desktop.
#include <dlfcn.h>

#include <QApplication>
#include <clocale>
#include <cstdio>
#include <optional>
#include <thread>

#include "app/courses.h"
#include "desktop/app.h"
#include "desktop/cli.h"
#include "desktop/look.h"
#include "desktop/words.h"

#ifndef ORBELUNE_VERSION
#define ORBELUNE_VERSION "unknown"
#endif

static QString env(const char* name) { return qEnvironmentVariable(name); }

int main(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments.append(QString::fromLocal8Bit(argv[i]));
    // The language first: --help and the error lines speak it too.
    desktop::useLanguage(desktop::startLanguage(desktop::languageArgument(arguments)));
    const desktop::CommandLine cl =
        desktop::parseCommandLine(arguments, app::kCourses, QStringLiteral(ORBELUNE_VERSION));
    if (!cl.run) {
        std::fputs(qPrintable(cl.out), stdout);
        std::fputs(qPrintable(cl.err), stderr);
        return cl.exitCode;
    }
    if (QString why = desktop::missingDisplay(cl, env("QT_QPA_PLATFORM"), env("DISPLAY"),
                                              env("WAYLAND_DISPLAY"));
        !why.isEmpty()) {
        std::fputs(qPrintable(why), stderr);
        return 1;
    }

    // Reading fontconfig's configuration is the largest single cost before the main menu's first
    // frame, and the connection to the display does not need it: read it meanwhile. Qt brings
    // fontconfig in already; where it does not, there is nothing to do.
    std::thread fonts([] {
        if (auto init = reinterpret_cast<int (*)()>(dlsym(RTLD_DEFAULT, "FcInit"))) init();
    });
    std::optional<desktop::QuietPlatformStart> quiet(std::in_place);
    QApplication qapp(argc, argv);
    quiet.reset();
    fonts.join();
    // The lessons' numbers are written and read with the program's own separator, whatever the
    // C library's locale would make of them.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setOrganizationName(QStringLiteral("Orbelune"));
    QApplication::setApplicationName(QStringLiteral("Orbelune"));
    QApplication::setApplicationVersion(QStringLiteral(ORBELUNE_VERSION));
    QApplication::setWindowIcon(desktop::saucerIcon());
    desktop::loadBundledFonts();
    desktop::App app;
    app.start(cl.startForm, cl.fullScreen, cl.projector);
    return QApplication::exec();
}
