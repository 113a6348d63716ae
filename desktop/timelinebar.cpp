#include "desktop/timelinebar.h"

#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>
#include <cmath>

#include "desktop/words.h"
#include "scene/program.h"

namespace desktop {

QString clockText(double ms) {
    const long s = std::lround(std::max(0.0, ms) / 1000);
    return QStringLiteral("%1:%2").arg(s / 60).arg(s % 60, 2, 10, QLatin1Char('0'));
}

TimelineBar::TimelineBar(Host& app, scene::Form& form, const scene::Timeline& timeline,
                         QWidget* parent)
    : QWidget(parent), app_(app), form_(form), timeline_(timeline) {
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
    setAccessibleName(translate("Timeline", "Timeline"));
    hide_.setSingleShot(true);
    connect(&hide_, &QTimer::timeout, this, [this] {
        // Not from under the pointer that is using it.
        if (dragging_ || underMouse()) {
            hide_.start(kShownMs);
            return;
        }
        hide();
        refresh_.stop();
    });
    refresh_.setInterval(100);
    connect(&refresh_, &QTimer::timeout, this, qOverload<>(&QWidget::update));
    hide();
}

void TimelineBar::wake() {
    place();
    if (isHidden()) {
        show();
        raise();
    }
    update();
    hide_.start(kShownMs);
    if (!refresh_.isActive()) refresh_.start();
}

void TimelineBar::place() {
    const QWidget* p = parentWidget();
    // Slim, but its text as large as a menu's on any screen.
    const int h = std::max(28, fontMetrics().height() * 2);
    setGeometry(0, p->height() - h, p->width(), h);
}

QRectF TimelineBar::track() const {
    const double pad = height() * 0.6;
    const double clock = fontMetrics().horizontalAdvance(QStringLiteral("00:00 / 00:00")) + pad;
    return QRectF(pad, height() / 2.0 - 3, std::max(10.0, width() - 2 * pad - clock), 6);
}

double TimelineBar::xAt(double ms) const {
    const QRectF t = track();
    const double len = std::max(1.0, timeline_.lengthMs);
    return t.left() + t.width() * std::clamp(ms / len, 0.0, 1.0);
}

double TimelineBar::timeAt(double x) const {
    const QRectF t = track();
    return std::clamp((x - t.left()) / t.width(), 0.0, 1.0) * timeline_.lengthMs;
}

double TimelineBar::shownPosition() const {
    if (dragging_) return *dragging_;
    return std::min(app_.program().position(), timeline_.lengthMs);
}

const scene::Stage* TimelineBar::markAt(QPointF pos) const {
    const double reach = std::max(6.0, height() / 4.0);
    const scene::Stage* best = nullptr;
    double nearest = reach;
    for (const scene::Stage& s : timeline_.stages)
        if (const double d = std::abs(xAt(s.t) - pos.x()); d <= nearest) {
            nearest = d;
            best = &s;
        }
    return best;
}

void TimelineBar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    // Dark and nearly opaque: white text on it reads over any page, in either colour scheme.
    p.fillRect(rect(), QColor(20, 20, 28, 215));
    const QRectF t = track();
    const double now = shownPosition();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 90));
    p.drawRoundedRect(t, 3, 3);
    QRectF done = t;
    done.setRight(xAt(now));
    p.setBrush(QColor(255, 196, 0));
    p.drawRoundedRect(done, 3, 3);
    // A mark at each stage, reaching above and below the track.
    p.setBrush(Qt::white);
    for (const scene::Stage& s : timeline_.stages)
        p.drawRect(QRectF(xAt(s.t) - 1.5, t.top() - 5, 3, t.height() + 10));
    p.setBrush(QColor(255, 196, 0));
    p.setPen(QPen(Qt::white, 2));
    p.drawEllipse(QPointF(xAt(now), t.center().y()), 7, 7);
    p.setPen(Qt::white);
    const QString clock = clockText(now) + QStringLiteral(" / ") + clockText(timeline_.lengthMs);
    p.drawText(QRectF(t.right(), 0, width() - t.right() - height() * 0.3, height()),
               Qt::AlignRight | Qt::AlignVCenter, clock);
}

void TimelineBar::seekTo(double ms) {
    app_.dispatch([this, ms] { app_.program().seek(ms); });
}

void TimelineBar::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    wake();
    // A press on a mark goes to its stage's very start.
    const scene::Stage* mark = markAt(e->position());
    dragging_ = mark ? mark->t : timeAt(e->position().x());
    update();
}

void TimelineBar::mouseMoveEvent(QMouseEvent* e) {
    wake();
    if (dragging_) {
        dragging_ = timeAt(e->position().x());
        update();
        return;
    }
    if (const scene::Stage* mark = markAt(e->position()))
        QToolTip::showText(e->globalPosition().toPoint(),
                           QString::fromStdString(mark->name) + QStringLiteral(" (") +
                               clockText(mark->t) + QStringLiteral(")"),
                           this);
    else
        QToolTip::hideText();
}

void TimelineBar::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton || !dragging_) return;
    const double to = *dragging_;
    dragging_.reset();
    // One seek for the whole drag: the page plays again once, where the knob was let go.
    seekTo(to);
    update();
}

void TimelineBar::leaveEvent(QEvent*) { QToolTip::hideText(); }

}  // namespace desktop
