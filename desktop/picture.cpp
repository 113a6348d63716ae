#include "desktop/picture.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStandardPaths>
#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>

#include "desktop/formwindow.h"
#include "desktop/look.h"
#include "desktop/still_host.h"
#include "desktop/words.h"
#include "scene/files.h"

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
    // Encoded in memory first, so that only the file system can fail, and says why.
    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) || !picture.save(&buffer, "PNG")) {
        why = translate("Save Picture", "the picture could not be encoded");
        return false;
    }
    std::string error;
    if (scene::writeWholeFile(QFile::encodeName(path).toStdString(),
                              std::string_view(png.constData(), std::size_t(png.size())), error))
        return true;
    why = QString::fromLocal8Bit(error.c_str());
    return false;
}

QString suggestedPicturePath(const QString& title) {
    QString dir = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (dir.isEmpty() || !QFileInfo(dir).isDir()) dir = QDir::homePath();
    const std::string name = scene::portableFileName(title.toStdString());
    return QDir(dir).filePath(QString::fromStdString(name) + QStringLiteral(".png"));
}

void savePictureAs(const QImage& picture, const QString& title, QWidget* parent) {
    const QString suggested = suggestedPicturePath(title);
    QFileDialog dialog(parent, translate("Save Picture", "Save Picture"),
                       QFileInfo(suggested).path(),
                       translate("Save Picture", "PNG pictures (*.png)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("png"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.selectFile(suggested);
    dialog.setWindowIcon(saucerIcon());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    const QString path = dialog.selectedFiles().front();
    QString why;
    if (writePicture(picture, path, why)) return;
    QMessageBox box(
        QMessageBox::Warning, QStringLiteral("Orbelune"),
        translate("Save Picture", "The picture could not be saved as %1: %2").arg(path, why),
        QMessageBox::Ok, parent);
    box.setWindowIcon(saucerIcon());
    box.exec();
}

}  // namespace desktop
