#pragma once
#include <QWidget>

#include "desktop/host.h"

namespace desktop {

// A command button; the graphical style shows its BackColor. No focus frame is drawn.
class ButtonWidget : public QWidget {
public:
    ButtonWidget(Host& app, scene::CommandButton& b, QWidget* parent);
    double scale = 1;
    // A click as a screen reader's press gives it.
    void activate();

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;

private:
    Host& app_;
    scene::CommandButton& b_;
    bool pressed_ = false;
};

}  // namespace desktop
