#include "lessons/optics/optics3.h"

#include <cmath>

#include "lessons/common.h"
#include "scene/numbers.h"
#include "scene/program.h"

namespace lessons {

using scene::Box;
using scene::rgb;

namespace {
constexpr scene::Color kLightGrey = rgb(192, 192, 192);
// The system's application-workspace colour: a dark grey.
constexpr scene::Color kAppWorkspace = kGrey;
using scene::kCircle;

struct Point {
    double x, y;
};
}  // namespace

optics3::optics3(scene::Program& program, const shell::Place& place)
    : LessonForm(program, place, 9765, 8235,
                 {.timer = "",
                  .replayItem = "rep",
                  .replayCaption = tr("Redraw"),
                  .titleItem = "nav",
                  .titleCaption = QT_TRANSLATE_NOOP("Navigation", "Navigation"),
                  .nextItem = "nex"}) {
    // Some 24000 segments make the picture grow over about two seconds.
    setPace(200);
}

bool optics3::layout() {
    label("Label3", Box{240, 960, 2535, 495}, tr("Note: this is only a sample of parabola antenna"))
        .fore(kRed);
    label(Label2, 3, Box{6720, 6120, 1215, 375}, tr("receiver")).center().size(12).bold();
    line("Line9", 4440, 4080, 4320, 4080).color(kAppWorkspace);
    line("Line8", 4320, 4200, 4320, 4080).color(kAppWorkspace);
    line("Line7", 6840, 6120, 4320, 4080).color(kAppWorkspace);
    label(Label2, 2, Box{7800, 1800, 375, 375}, tr("a")).center().size(12).bold();
    line("Line6", 3720, 1950, 7800, 1950).style(kDot);
    label(Label2, 1, Box{600, 5520, 375, 375}, tr("a/4"))
        .fore(rgb(0, 0, 192))
        .center()
        .size(12)
        .bold();
    label(Label2, 0, Box{2160, 5400, 375, 375}, tr("a")).fore(kGreen).center().size(12).bold();
    line(Line5, 1, 5710, 3960, 2270, 5520).color(kBrightGreen).style(kDot);
    line(Line5, 0, 4240, 3960, 760, 5520).color(kLavender).style(kDot);
    line(Line4, 1, 4065, 3960, 4200, 3960).color(rgb(192, 0, 0)).width(3).hidden();
    line(Line4, 0, 3750, 3960, 4080, 3960).color(rgb(255, 192, 192)).width(3).hidden();
    shape("Shape1", Box{2520, 5880, 135, 135}, kCircle)
        .border(rgb(192, 0, 0))
        .fill(rgb(192, 0, 0))
        .hidden();
    line(Line3, 1, 3720, 3960, 7200, 2400).color(kLightGrey).style(kDot);
    label(Label1, 2, Box{3720, 240, 375, 375}, tr("Z"));
    label(Label1, 1, Box{7680, 4200, 375, 375}, tr("Y"));
    label(Label1, 0, Box{120, 5640, 375, 375}, tr("X"));
    line(Line3, 3, 360, 3960, 3720, 3960).color(kLightGrey).style(kDot);
    line(Line3, 2, 3720, 5760, 3720, 3960).color(kLightGrey).style(kDot);
    // The "X" axis; its slope sets the oblique projection.
    line(Line3, 0, 240, 5520, 3720, 3960).color(kLightGrey);
    line("Line2", 7680, 3960, 3720, 3960).color(kLightGrey);
    line("Line1", 3720, 3960, 3720, 720).color(kLightGrey);
    return true;
}

void optics3::Form_Activate() {
    // 1. Preparation.
    Shape1.Visible = false;
    Line4(0).Visible = false;
    Line4(1).Visible = false;
    Line8.Visible = false;
    Line9.Visible = false;
    for (int i = 0; i <= 3; ++i) Label2(i).Visible = false;
    drawPass = 0;
    const double X1 = Line3(0).X1, Y1 = Line3(0).Y1, X2 = Line3(0).X2, Y2 = Line3(0).Y2;
    const double k = -(Y2 - Y1) / (X2 - X1);
    const double s = k / std::sqrt(1 + k * k);
    const double c = 1 / std::sqrt(1 + k * k);
    const std::int32_t blue = std::int32_t(scene::QBColor(1));
    const std::int32_t brightRed = std::int32_t(scene::QBColor(12));
    auto draw = [this](Point from, Point to, std::int32_t colour) {
        Line(from.x, from.y, to.x, to.y, colour);
    };

    // 2. The horizontal cross-section (w = 0), drawn three times 15 twips apart as a thick line.
    auto P = [&](double t) { return Point{3720 + t * t / 2000 + (t * s) / k, 3960 - t * s}; };
    Point pen = P(-2000);
    for (int t = -2000; t <= 2000; t += 10) {
        Point p = P(t);
        draw(pen, p, blue);
        draw({pen.x, pen.y + 15}, {p.x, p.y + 15}, blue);
        draw({pen.x, pen.y - 15}, {p.x, p.y - 15}, blue);
        pen = p;
    }
    draw(P(2000), P(-2000), blue);
    const Point M{(P(2000).x + P(-2000).x) / 2, (P(2000).y + P(-2000).y) / 2};

    // 3. The circular cross-sections. A point (u, v, w) of the dish on the screen:
    auto project = [&](double u, double v, double w) {
        double vc = v * c;
        return Point{3720 + u + vc, 3960 - w - vc * k};
    };
    Point T{}, B{}, top{}, bottom{};
    for (int u = 2000; u >= 0; u -= 50) {
        const int r = int(scene::Int(std::sqrt(2000.0 * u)));
        const std::int32_t colour = u == 2000 ? blue : brightRed;
        // Upper half; its middle point carries the line through the tops of the sections.
        pen = project(u, -r, 0);
        for (int v = -r; v <= r; v += 10) {
            double w = 100 * std::sqrt(std::pow(r / 100.0, 2) - std::pow(v / 100.0, 2));
            Point p = project(u, v, w);
            if (-5 < v && v < 5) {
                if (u == 2000) T = top = p;
                draw(top, p, blue);
                top = p;
            }
            draw(pen, p, colour);
            pen = p;
        }
        // Lower half, carrying the line through the bottoms.
        pen = project(u, -r, 0);
        for (int v = -r; v <= r; v += 10) {
            double w = -100 * std::sqrt(std::pow(r / 100.0, 2) - std::pow(v / 100.0, 2));
            Point p = project(u, v, w);
            draw(pen, p, colour);
            pen = p;
            if (-5 < v && v < 5) {
                if (u == 2000) B = bottom = p;
                draw(bottom, p, blue);
                bottom = p;
            }
        }
        // After depth 0, one more pass draws only the rim again, blue over what crosses it.
        if (drawPass == 0 && u == 50) {
            drawPass = 1;
        } else if (drawPass == 1) {
            drawPass = 2;
            u = 2000 + 50;
        } else if (drawPass == 2) {
            drawPass = 0;
            break;
        }
    }

    // 4. The rim's vertical diameter.
    draw(T, B, blue);

    // 5. The receiver at the focus, a quarter of the way from the vertex to the rim's centre.
    Shape1.Left = 3720 + (M.x - 3720) / 4 - Shape1.Width / 2;
    Shape1.Top = M.y - Shape1.Height / 2 + 5;
    Line4(0).Visible = true;
    Line4(1).Visible = true;
    Shape1.Visible = true;
    Line8.Visible = true;
    Line9.Visible = true;
    for (int i = 0; i <= 3; ++i) Label2(i).Visible = true;
    Shape1.ZOrder();
}

}  // namespace lessons
