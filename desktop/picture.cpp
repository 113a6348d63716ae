#include "desktop/picture.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QSaveFile>
#include <QStandardPaths>
#include <algorithm>
#include <cmath>

#include "desktop/formwindow.h"
#include "desktop/look.h"
#include "desktop/still_host.h"

namespace desktop {

QImage scenePicture(scene::Form& form, QSize shown) {
    if (shown.isEmpty())
        shown = QSize(int(std::lround(form.clientWidth() / 15.0)),
                      int(std::lround(form.clientHeight() / 15.0)));
    const int width = std::max(shown.width(), scene::kPictureMinWidth);
    const int height =
        std::max(1, int(std::lround(double(width) * shown.height() / shown.width())));
    // A window of its own, never shown, so that the one on screen keeps its size and cache.
    StillHost host(form.program());
    FormWindow w(host, form);
    w.canvas()->setFixedSize(width, height);
    w.sync();
    return w.canvas()->grab().toImage();
}

bool writePicture(const QImage& picture, const QString& path, QString& why) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        why = file.errorString();
        return false;
    }
    if (!picture.save(&file, "PNG")) {
        file.cancelWriting();
        why = QStringLiteral("the picture could not be encoded");
        return false;
    }
    if (!file.commit()) {
        why = file.errorString();
        return false;
    }
    return true;
}

void savePictureAs(const QImage& picture, const QString& title, QWidget* parent) {
    QString dir = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (dir.isEmpty()) dir = QDir::homePath();
    // A title may hold characters a file name cannot.
    QString name = title;
    name.replace(QLatin1Char('/'), QLatin1Char('-'));
    QFileDialog dialog(parent, QStringLiteral("Save Picture"), dir,
                       QStringLiteral("PNG pictures (*.png)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("png"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.selectFile(QDir(dir).filePath(name + QStringLiteral(".png")));
    dialog.setWindowIcon(saucerIcon());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    const QString path = dialog.selectedFiles().front();
    QString why;
    if (writePicture(picture, path, why)) return;
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Orbelune"),
                    QStringLiteral("The picture could not be saved as %1: %2").arg(path, why),
                    QMessageBox::Ok, parent);
    box.setWindowIcon(saucerIcon());
    box.exec();
}

}  // namespace desktop
