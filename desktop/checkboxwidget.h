#pragma once
#include <QWidget>

#include "desktop/host.h"

namespace desktop {

// A check box drawn as the lessons show it: value 2 is a greyed tick. Its value is the
// model's; a click asks the model to toggle it.
class CheckBoxWidget : public QWidget {
public:
    CheckBoxWidget(Host& app, scene::CheckBox& box, QWidget* parent);
    double scale = 1;
    const scene::CheckBox& box() const { return box_; }
    // A click as a screen reader's toggle gives it.
    void activate();

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;

private:
    Host& app_;
    scene::CheckBox& box_;
};

}  // namespace desktop
