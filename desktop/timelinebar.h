#pragma once
#include <QTimer>
#include <QWidget>
#include <optional>

#include "desktop/host.h"
#include "scene/timeline.h"

namespace desktop {

// The slim bar at the foot of a page with a script: the demonstration's length on the program
// clock, where it is now and a mark at each stage. It shows when the pointer moves or a timeline
// key is pressed and goes 3 s after the last of either, so that it never covers the scene for
// long. Hovering a mark names its stage; a click or a drag takes the page there.
class TimelineBar : public QWidget {
public:
    TimelineBar(Host& app, scene::Form& form, const scene::Timeline& timeline, QWidget* parent);
    // Shows it (again) for the next 3 s.
    void wake();
    // Placed along the foot of its parent, as tall as its text needs there.
    void place();

    static constexpr int kShownMs = 3000;

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void leaveEvent(QEvent*) override;

private:
    QRectF track() const;
    double timeAt(double x) const;  // [program ms] of the run
    double xAt(double ms) const;
    const scene::Stage* markAt(QPointF pos) const;
    void seekTo(double ms);
    double shownPosition() const;

    Host& app_;
    scene::Form& form_;
    const scene::Timeline& timeline_;
    QTimer hide_;                     // 3 s after the last wake
    QTimer refresh_;                  // the position moves on while it is shown
    std::optional<double> dragging_;  // where a drag holds the knob [program ms]
};

// "1:25": minutes and seconds of program time.
QString clockText(double ms);

}  // namespace desktop
