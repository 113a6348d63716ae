#include "lessons/optics/mirror.h"

#include <algorithm>
#include <vector>

#include "scene/numbers.h"

namespace lessons {

using scene::Box;

namespace {
// The sources' face: white, the system's highlight-text colour.
constexpr scene::Color kHighlightText = scene::kWhite;
constexpr const char* kSource = QT_TRANSLATE_NOOP("Mirror", "-----<O Light");
constexpr std::int32_t kMirrorColour = 1000;  // &H3E8&, a red
// The colour of the ray each source fires, QBColor(index + 4), in words for screen readers.
constexpr const char* kRayColours[12] = {
    QT_TRANSLATE_NOOP("Mirror", "red"),         QT_TRANSLATE_NOOP("Mirror", "magenta"),
    QT_TRANSLATE_NOOP("Mirror", "brown"),       QT_TRANSLATE_NOOP("Mirror", "light grey"),
    QT_TRANSLATE_NOOP("Mirror", "grey"),        QT_TRANSLATE_NOOP("Mirror", "light blue"),
    QT_TRANSLATE_NOOP("Mirror", "light green"), QT_TRANSLATE_NOOP("Mirror", "light cyan"),
    QT_TRANSLATE_NOOP("Mirror", "light red"),   QT_TRANSLATE_NOOP("Mirror", "light magenta"),
    QT_TRANSLATE_NOOP("Mirror", "yellow"),      QT_TRANSLATE_NOOP("Mirror", "white")};
}  // namespace

MirrorLesson::MirrorLesson(scene::Program& program, const shell::Place& place,
                           shell::Navigation nav)
    : LessonForm(program, place, 10440, 9105, std::move(nav)) {
    // The longest ray (some 7000 segments, one twip of x each) takes under half a second on
    // screen, well within the script's 1.5 s per source.
    setPace(300);
    // The indices do not follow the screen: 11 to 6 are the upper six sources, 0 to 5 the lower.
    button(lt, 0, Box{7560, 3000, 1095, 255}, tr(kSource)).graphical(kHighlightText);
    button(lt, 1, Box{8760, 3240, 1095, 255}, tr(kSource)).graphical(kHighlightText);
    button(lt, 2, Box{7560, 3480, 1095, 255}, tr(kSource)).graphical(kHighlightText);
    button(lt, 3, Box{8760, 3720, 1095, 255}, tr(kSource)).graphical(kHighlightText);
    button(lt, 4, Box{7560, 3960, 1095, 255}, tr(kSource)).graphical(kHighlightText);
    button(lt, 5, Box{8760, 4200, 1095, 255}, tr(kSource)).graphical(kHighlightText);
    button(lt, 6, Box{8760, 2760, 1095, 255}, tr(kSource)).graphical(kHighlightText);
    button(lt, 7, Box{7560, 2520, 1095, 255}, tr(kSource)).graphical(kHighlightText);
    button(lt, 8, Box{8760, 2280, 1095, 255}, tr(kSource)).graphical(kHighlightText);
    button(lt, 9, Box{7560, 2040, 1095, 255}, tr(kSource)).graphical(scene::kWhite);
    button(lt, 10, Box{8760, 1800, 1095, 255}, tr(kSource)).graphical(scene::kWhite);
    button(lt, 11, Box{7560, 1560, 1095, 255}, tr(kSource)).graphical(scene::kWhite);
    for (auto& [index, source] : lt.members()) {
        source->onClick = [this](int i) { lt_Click(i); };
        source->onKeyDown = [this](int i, int key) { lt_KeyDown(i, key); };
        source->onMouseDown = [this](int i, int button) { lt_MouseDown(i, button); };
    }
    Timer1.onTimer = [this] { Timer1_Timer(); };
}

void MirrorLesson::Form_Activate() {
    nameSources();
    dum.SetFocus();
    for (int i = 0; i <= 11; ++i) lt(i).BackColor = scene::kWhite;
    rayIndex = 12;
    rayStep = 0;
    rayDir = 1;
    prepare();
    leaving = 0;
    drawMirror();
    Timer1.Enabled = true;
}

// Each source is read by its place on screen, top to bottom as Tab takes them, and its ray's
// colour; named at every showing, so that a language chosen meanwhile is heard.
void MirrorLesson::nameSources() {
    std::vector<int> byPlace;
    for (auto& [index, source] : lt.members()) byPlace.push_back(index);
    std::stable_sort(byPlace.begin(), byPlace.end(), [this](int a, int b) {
        return lt(a).Top < lt(b).Top || (lt(a).Top == lt(b).Top && lt(a).Left < lt(b).Left);
    });
    for (std::size_t n = 0; n < byPlace.size(); ++n) {
        const int index = byPlace[n];
        readAs(lt(index), tr("Light source ") + std::to_string(n + 1) + tr(" of 12, ") +
                              tr(kRayColours[index]));
    }
}

void MirrorLesson::drawMirror() {
    y1 = mirrorTopY();
    x1 = mirrorX(y1);
    for (int y = 1000; y <= 8000; y += 10) {
        y2 = y;
        x2 = mirrorX(y2);
        Line(x1, y1, x2, y2, kMirrorColour);
        x1 = x2;
        y1 = y2;
    }
}

void MirrorLesson::lt_Click(int Index) {
    const std::int32_t c = std::int32_t(scene::QBColor(Index + 4));
    y1 = scene::toSingle(lt(Index).Top + 120);
    x1 = scene::toSingle(lt(Index).Left);
    const double y0 = y1;
    Line(x1, y0, 3500, y0, c);

    // The incoming ray, one twip at a time, until it meets the mirror; the reflection point is
    // one twip beyond the first x where it does.
    double xh = 0;
    bool reached = false;
    for (int i = 3500; i >= 0; --i) {
        if (rayInFront(i, y0)) {
            Line(3500, y0, i, y0, c);
            continue;
        }
        xh = i - 1;
        reached = true;
        break;
    }
    if (!reached) return;  // a ray that misses the mirror has nothing to reflect
    const double yh = reflectionHeight(xh, y0);
    const double m = normalSlope(xh, y0);
    const double t = 2 * m / (1 - m * m);  // the incoming direction mirrored about the normal

    // Rightward while the reflection runs down to the right; a slope that turns it upwards
    // there means it runs down to the left instead.
    bool leftward = false;
    for (int j = int(xh) + 1; j <= 3500; ++j) {
        y2 = yh + t * (j - xh);
        if (y2 < yh) {
            leftward = true;
            break;
        }
        if (j == 3500) break;
        Line(j - 1, yh + t * (j - 1 - xh), j, y2, c);
        if (y2 > 4800) break;
    }
    if (!leftward) return;
    for (int j = int(xh) - 1; j >= 0; --j) {
        y2 = yh + t * (j - xh);
        Line(j + 1, yh + t * (j + 1 - xh), j, y2, c);
        if (y2 > 4800) break;
    }
}

void MirrorLesson::Timer1_Timer() {
    switch (rayStep) {
        case 0:
            rayIndex = rayIndex - rayDir;
            rayStep = 1;
            if (rayIndex == 5 && rayDir == 1) {
                // The upper six are done: go on with the lower six, from 0 downwards on screen.
                rayIndex = 0;
                rayDir = -1;
            } else if (rayIndex == 6 && rayDir == -1) {
                Timer1.Enabled = false;
            }
            break;
        case 1:
            StageBegins(tr("Rays from light source ") + std::to_string(rayIndex + 1));
            lt(rayIndex).BackColor = scene::QBColor(rayIndex + 4);
            Beep(kBeepHz, 100);
            rayStep = 2;
            break;
        case 2:
            lt_Click(rayIndex);
            rayStep = 0;
            break;
        default:
            break;
    }
}

}  // namespace lessons
