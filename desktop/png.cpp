#include "desktop/png.h"

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <cstdlib>

#include "desktop/formwindow.h"
#include "desktop/look.h"
#include "desktop/still_host.h"

namespace desktop {

std::unique_ptr<QApplication> offscreenApplication(int& argc, char** argv) {
    if (QCoreApplication::instance()) return nullptr;
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    auto app = std::make_unique<QApplication>(argc, argv);
    loadBundledFonts();
    return app;
}

bool renderPng(scene::Form& form, const std::string& path, std::string& error) {
    if (!QCoreApplication::instance()) {
        error = "--png needs a QApplication";
        return false;
    }
    StillHost host(form.program());
    FormWindow w(host, form);
    const QSize design(int(std::lround(form.clientWidth() / 15.0)),
                       int(std::lround(form.clientHeight() / 15.0)));
    w.canvas()->setFixedSize(design);
    w.adjustSize();
    w.resize(w.sizeHint());
    w.sync();
    // Shown off screen, so that the menu bar lays out its corner badge as in a real window.
    w.setAttribute(Qt::WA_DontShowOnScreen);
    w.show();
    QPixmap pm = w.grab();
    if (!pm.save(QString::fromStdString(path), "PNG")) {
        error = "--png: cannot write '" + path + "'";
        return false;
    }
    return true;
}

}  // namespace desktop
