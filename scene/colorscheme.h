#pragma once
// How the lessons' colours are drawn. The lessons keep their own colours (and the reports show
// them); a front end asks here, where it paints, what to draw instead.
#include "scene/color.h"

namespace scene {

class Control;
class Form;

enum class ColorScheme {
    Standard,   // the lessons' colours as they are
    Projector,  // a white page, every mark dark enough to read from the back of a classroom
};

// What a colour is used for, which decides how much contrast it needs against what it lies on.
enum class Ink {
    Text,     // captions, check box and text box text: 4.5:1 (WCAG 2.1, 1.4.3)
    Graphic,  // lines, shape borders and fills, drawn segments, coloured button faces: 3:1 (1.4.11)
    Ground,   // a label's, text box's or check box's back that text lies on
    Face,     // a button's face: the system's grey stays a button, a coloured face is a graphic
};

inline constexpr double kTextContrast = 4.5;
inline constexpr double kGraphicContrast = 3.0;

// WCAG 2.1 relative luminance (0 black .. 1 white) and contrast ratio (1 .. 21).
double luminance(Color c);
double contrast(Color a, Color b);

// The page's background as drawn.
Color pageColor(ColorScheme scheme, Color formBack);

// A lesson's colour as drawn for its use, lying on `ground` (a colour as drawn). In the projector
// scheme text and graphics keep their hue and become dark enough (or light enough, on a dark
// ground) to reach their contrast. Their luminance is compressed monotonically rather than
// clipped at the limit, so that two colours of one hue that differ in lightness (white and grey
// rays) still differ once drawn; colours well past the limit stay as they are.
Color drawnColor(ColorScheme scheme, Color c, Ink ink, Color ground);

// The colour, as drawn, of what lies under a canvas control's middle: the nearest opaque label
// back or filled shape below it in the layering, else the page.
Color groundUnder(const Form& form, const Control& c, ColorScheme scheme);

}  // namespace scene
