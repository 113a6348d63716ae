#pragma once
// What the page (web/library.js over web/page.js) does for the program. Lengths and positions
// are CSS pixels of the view's stage; colours are the scene's &H00BBGGRR&.
#include <cstdint>

extern "C" {

// --- Time and waiting (these suspend the program until the page resumes it) ---------------
// Until an input event arrives or ms have passed (ms < 0: no time limit).
void web_wait(double ms);
// Until the page's next animation frame.
void web_next_frame();
// Plays the samples if sound has been allowed, and returns after ms either way.
void web_beep(const std::int16_t* samples, int count, int sampleRate, int ms);
int web_sample_rate();
// A handler has ended (for measuring the frames of each animation apart).
void web_handler_ended();
// A message box over the pages, OK only; the page's menus and keys stay usable. The user's OK
// arrives as kEvMessageOk; web_message_close takes the box away.
void web_message_open(const char* text);
void web_message_close();

// --- Input: the oldest waiting event, 0 when none ------------------------------------------
// Writes the event's view or control id and, for events with text, a malloc'ed UTF-8 string
// the caller frees (else nullptr).
int web_poll(int* id, char** text);

// --- Views: one per form ----------------------------------------------------------------
void web_view_create(int view, int maximized, double designWidthPx, double designHeightPx,
                     const char* caption);
void web_view_show(int view, int visible);
void web_view_activate(int view, const char* caption);
// The stage's size in CSS px and the device pixel ratio; sizes the view's canvas to match.
void web_view_size(int view, double* width, double* height, double* dpr);
void web_end();
// Beside "Click to start": why the page shown is not the one the address asked for.
void web_start_note(const char* text);
bool web_open_url(const char* url);

// --- Menus and the window ---------------------------------------------------------------
// others: the item's further shortcuts, one per line.
void web_menu_item(int view, int item, int level, const char* caption, const char* shortcut,
                   const char* others, int enabled);
void web_menu_state(int item, int enabled, const char* caption);
// A check item's state (Continue after Messages, Projector Colours).
void web_menu_check(int item, int checked);
// Projector Colours as the browser remembers it from the last visit (1 on), and remembering it.
int web_projector_remembered();
void web_remember_projector(int on);
// Beside every menu bar: "Paused", "2×", or nothing.
void web_badge(const char* text);
void web_full_screen();

// --- The timeline of a page with a script ------------------------------------------------
// Its length and stages, one "ms<TAB>name" line each [program ms of the page's run].
void web_timeline(int view, double lengthMs, const char* stages);
// Where the page's run is now, and how fast its clock runs on (0 while paused).
void web_timeline_at(int view, double positionMs, double speed);

// --- Drawing ------------------------------------------------------------------------------
// The segment layer: cleared to a colour at a size in device pixels, then drawn on.
void web_segments_reset(int view, int pixelWidth, int pixelHeight, double dpr, std::uint32_t back);
// count segments of 5 words each (x1, y1, x2, y2 as floats in twips, then the colour).
void web_segments_draw(int view, const void* segments, int count, double k, double originX,
                       double originY, double width);
// Starts a frame of a view: its segment layer copied onto its canvas.
void web_begin(int view);
void web_fill_rect(double x, double y, double w, double h, std::uint32_t color);
void web_clip(double x, double y, double w, double h);
void web_unclip();
void web_line(double x1, double y1, double x2, double y2, std::uint32_t color, double width,
              int style);
// kind: 0 rectangle, 1 ellipse, 2 rounded rectangle; fill < 0 for none, style 0 for no border.
void web_shape(int kind, double x, double y, double w, double h, int fill, std::uint32_t fillColor,
               int style, std::uint32_t borderColor, double width);
void web_text(const std::uint32_t* chars, const double* xs, const double* cells, int count,
              double baseline, double pixelSize, int bold, int italic, std::uint32_t color);
void web_frame_rect(double x, double y, double w, double h, double width);
void web_pointer(double x, double y, double scale);
// Where the view's clickable labels are, for the pointer's shape: 4 numbers per label.
void web_links(int view, const double* rects, int count);
// Where the view's clickable labels are (light sources, the main menu's entries), for touch:
// 4 numbers per label, in drawing order.
void web_targets(int view, const double* rects, int count);
// The pointer shown over clickable labels: size x size RGBA pixels and the hot spot.
void web_link_cursor(const std::uint8_t* rgba, int size, int hotX, int hotY);
// A view of width x height CSS px that is never shown, for a picture of a form's scene.
void web_picture_view(int view, double width, double height);
// The picture painted: the shown view's page elements drawn onto it too, then saved under
// name.png (copy 0) or put on the clipboard (copy 1).
void web_picture_done(int view, int shownView, int copy, const char* name);
// The bundled face's advance of one character and its line metrics, at a pixel size.
double web_advance(std::uint32_t ch, double pixelSize, int bold, int italic);
void web_font_metrics(double pixelSize, int bold, int italic, double* lineSpacing, double* ascent);

// --- Controls as page elements ----------------------------------------------------------
// kind: 1 text box, 2 check box, 3 button. text is null when it has not changed; scale is the
// scene's (CSS px per design pixel).
void web_control(int view, int control, int kind, double x, double y, double w, double h,
                 int visible, int enabled, const char* text, int value, double fontPx, int bold,
                 int italic, std::uint32_t back, std::uint32_t fore, int align, int style,
                 double scale);
void web_focus(int control, int selStart);
// The control's name in the lesson ("lt(3)", "vinit"), kept on its element for tests and tools.
void web_control_name(int control, const char* name);
// The view's controls Tab takes, in that order; the others only take the focus the lesson gives.
void web_tab_order(int view, const int* controls, int count);

// --- Screen readers ----------------------------------------------------------------------
// The view as a screen reader reads it (scene/reader.h), in reading order, sent when it changed:
// one line per item, "role<TAB>id<TAB>name<TAB>value<TAB>checked", where id is the control's
// element (text box, check box, button) or the label a link activates through kEvClick, else
// 0; a link adds "<TAB>x y width height", where its label lies.
void web_reader(int view, const char* items);
// What the view newly shows, one text per line, for the page's polite live region.
void web_announce(int view, const char* texts);

// --- Language ----------------------------------------------------------------------------
// The language the page chose (?lang=, the one chosen last, the browser's), malloc'ed.
char* web_language();
// The view's Language menu, after its other menus.
void web_language_menu(int view);
// A menu's title (a level-0 item) in the language now shown.
void web_menu_title(int item, const char* caption);
// The language changed: the page's own texts, its lang attribute and the Language menus follow.
void web_language_changed(const char* code);
// The pages' magnification changed: a drag on a magnified page moves it instead of clicking.
void web_zoomed(double factor);
}

// Event kinds web_poll reports.
enum WebEvent {
    kEvNone = 0,
    kEvClick = 1,       // control, or a label read as a link
    kEvType = 2,        // control, text
    kEvKeyDown = 3,     // control, text: the key code
    kEvMouseDown = 4,   // control
    kEvMenu = 5,        // menu item
    kEvShortcut = 6,    // view, text: "Ctrl+N"
    kEvClose = 7,       // view
    kEvCanvasDown = 8,  // view, text: "x y" in CSS px
    kEvResize = 9,      // none
    kEvActivate = 10,   // view
    kEvFocus = 11,      // control: the user moved the keyboard focus there
    kEvStart = 12,      // none: "Click to start" was pressed, the program's clock may run
    kEvMessageOk = 13,  // none: the user pressed OK on the message box
    kEvZoom = 14,       // view, text: "ratio x y": magnified by ratio about CSS px (x, y)
    kEvPan = 15,        // view, text: "dx dy": the magnified scene moved by CSS px
    kEvSeek = 16,       // view, text: the moment of the page's run to go to [program ms]
    kEvLanguage = 17,   // none, text: the language chosen in the Language menu, its words fetched
};
