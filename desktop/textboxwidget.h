#pragma once
#include <QLineEdit>
#include <string>

#include "desktop/host.h"
#include "desktop/look.h"

namespace desktop {

// A text box: what the user types becomes the box's Text.
class TextBoxWidget : public QLineEdit {
public:
    TextBoxWidget(Host& app, FormWindow& win, scene::TextBox& box, QWidget* parent);
    void sync(const Fit& fit);  // model -> widget, only what changed

protected:
    bool event(QEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    Host& app_;
    FormWindow& win_;
    scene::TextBox& box_;
    std::string synced_;
    int syncedSel_ = -1;
    double scale_ = 1;  // the scene's, for the focus ring
};

}  // namespace desktop
