#pragma once
#include <QImage>
#include <QSize>
#include <QString>

#include "scene/form.h"
#include "scene/platform.h"

class QWidget;

namespace desktop {

// The scene of a form as its canvas shows it (segments, labels, shapes and widgets), at the
// canvas's shape and at least scene::kPictureMinWidth pixels wide.
QImage scenePicture(scene::Form& form, QSize shown);

// Writes a picture as PNG through a temporary file renamed into place, so that a failure leaves
// no partial file and an existing one as it was; false with the system's reason otherwise.
bool writePicture(const QImage& picture, const QString& path, QString& why);

// Where Save Picture first offers to save a page's picture: the pictures folder where there is
// one, else the home folder, under a name made from the title that any stick takes.
QString suggestedPicturePath(const QString& title);

// Asks where to save the picture (suggestedPicturePath first), writes it there and says why in
// a message box when it could not.
void savePictureAs(const QImage& picture, const QString& title, QWidget* parent);

}  // namespace desktop
