#pragma once
// The magnification of the pages: one for the whole program, so that Replay and the other pages
// keep it until Fit to Window. The front ends ask it where the scene lands in their view.

namespace scene {

// Where a scene lands in a view: `scale` view pixels per design pixel (15 twips), and the view
// position of twip (0, 0).
struct Placement {
    double scale = 1, ox = 0, oy = 0;
    double toTwipsX(double px) const { return (px - ox) * 15.0 / scale; }
    double toTwipsY(double py) const { return (py - oy) * 15.0 / scale; }
    double toPxX(double tw) const { return ox + tw * scale / 15.0; }
    double toPxY(double tw) const { return oy + tw * scale / 15.0; }
};

class Zoom {
public:
    static constexpr double kMax = 4;
    static constexpr double kStep = 1.25;  // one menu command or one wheel notch

    double factor() const { return factor_; }
    bool magnified() const { return factor_ > 1; }

    // A scene of sceneW x sceneH twips in a view of viewW x viewH pixels: fitted whole and
    // centred, then magnified; a magnified scene always covers as much of the view as it can.
    Placement place(double sceneW, double sceneH, double viewW, double viewH) const;

    // Magnifies to `factor` (kept within 1 and kMax) so that the scene point under view pixel
    // (px, py) stays there.
    void zoomAbout(double factor, double px, double py, double sceneW, double sceneH, double viewW,
                   double viewH);
    // The same about the middle of what is shown, where no pointer says where.
    void zoomBy(double ratio);
    // Moves the magnified scene by (dx, dy) view pixels, as far as it goes.
    void panBy(double dx, double dy, double sceneW, double sceneH, double viewW, double viewH);
    void fit() { *this = Zoom{}; }

private:
    double factor_ = 1;
    // The scene point at the view's middle, as a fraction of the scene's size.
    double cx_ = 0.5, cy_ = 0.5;
    void keep(const Placement& at, double sceneW, double sceneH, double viewW, double viewH);
};

}  // namespace scene
