#pragma once
#include <QWidget>

#include "desktop/host.h"

namespace desktop {

// The keyboard's way to a clickable label (the main menu's courses): a frame over the label
// that Tab reaches and Enter or Space clicks. The canvas paints the label and takes its clicks.
class LinkWidget : public QWidget {
public:
    LinkWidget(Host& app, scene::Label& label, QWidget* parent);
    // A click as a screen reader's press gives it.
    void activate();

protected:
    void paintEvent(QPaintEvent*) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    Host& app_;
    scene::Label& label_;
};

}  // namespace desktop
