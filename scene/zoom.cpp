#include "scene/zoom.h"

#include <algorithm>

namespace scene {

namespace {

// One axis: a scene longer than the view is kept over the whole view, a shorter one centred.
double originAlong(double centreFraction, double scenePx, double viewPx) {
    if (scenePx <= viewPx) return (viewPx - scenePx) / 2;
    return std::clamp(viewPx / 2 - centreFraction * scenePx, viewPx - scenePx, 0.0);
}

}  // namespace

Placement Zoom::place(double sceneW, double sceneH, double viewW, double viewH) const {
    Placement at;
    const double dw = sceneW / 15.0, dh = sceneH / 15.0;
    if (dw <= 0 || dh <= 0 || viewW <= 0 || viewH <= 0) return at;
    at.scale = std::min(viewW / dw, viewH / dh) * factor_;
    at.ox = originAlong(cx_, dw * at.scale, viewW);
    at.oy = originAlong(cy_, dh * at.scale, viewH);
    return at;
}

void Zoom::keep(const Placement& at, double sceneW, double sceneH, double viewW, double viewH) {
    // What the view shows now, so that the next placement starts from there.
    const double dw = sceneW / 15.0 * at.scale, dh = sceneH / 15.0 * at.scale;
    if (dw > 0) cx_ = (viewW / 2 - at.ox) / dw;
    if (dh > 0) cy_ = (viewH / 2 - at.oy) / dh;
}

void Zoom::zoomAbout(double factor, double px, double py, double sceneW, double sceneH,
                     double viewW, double viewH) {
    const Placement before = place(sceneW, sceneH, viewW, viewH);
    const double tx = before.toTwipsX(px), ty = before.toTwipsY(py);
    factor_ = std::clamp(factor, 1.0, kMax);
    if (factor_ == 1) {
        fit();
        return;
    }
    Placement after = place(sceneW, sceneH, viewW, viewH);
    // The point under the pointer stays under it, as far as the scene's edges allow.
    after.ox = px - tx * after.scale / 15.0;
    after.oy = py - ty * after.scale / 15.0;
    keep(after, sceneW, sceneH, viewW, viewH);
    keep(place(sceneW, sceneH, viewW, viewH), sceneW, sceneH, viewW, viewH);
}

void Zoom::zoomBy(double ratio) {
    factor_ = std::clamp(factor_ * ratio, 1.0, kMax);
    if (factor_ == 1) fit();
}

void Zoom::panBy(double dx, double dy, double sceneW, double sceneH, double viewW, double viewH) {
    Placement at = place(sceneW, sceneH, viewW, viewH);
    at.ox += dx;
    at.oy += dy;
    keep(at, sceneW, sceneH, viewW, viewH);
    keep(place(sceneW, sceneH, viewW, viewH), sceneW, sceneH, viewW, viewH);
}

}  // namespace scene
