#include "desktop/png.h"

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <cstdlib>

#include "desktop/formwindow.h"
#include "desktop/look.h"
#include "desktop/picture.h"
#include "desktop/still_host.h"

namespace desktop {

// Qt's note that XDG_RUNTIME_DIR is not set: the offscreen platform needs no runtime folder, and
// a command's output is its result or one line saying why there is none.
static QtMessageHandler qtDefault = nullptr;
static void withoutRuntimeDirNote(QtMsgType type, const QMessageLogContext& context,
                                  const QString& text) {
    if (type == QtWarningMsg && text.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR")))
        return;
    if (qtDefault) qtDefault(type, context, text);
}

std::unique_ptr<QApplication> offscreenApplication(int& argc, char** argv) {
    if (QCoreApplication::instance()) return nullptr;
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    qtDefault = qInstallMessageHandler(withoutRuntimeDirNote);
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
    QString why;
    if (writePicture(w.grab().toImage(), QString::fromStdString(path), why)) return true;
    error = "--png: cannot write '" + path + "': " + why.toStdString();
    return false;
}

}  // namespace desktop
