// orbelune-xprobe PID [--watch-ms W] [--settle-ms S] [--ping-ms P] [--two-pages-ms T]
//                 [--any-state 1]: looks at the windows a running program has mapped on the X
// display, as a user sees them, for the desktop monkey.
//
// Watches for at least W ms (default 0) and then until the program shows exactly one page (a
// window that is not a dialog or a menu), maximised or full screen, at most S ms more (default
// 5000). Meanwhile two pages mapped at once for more than T ms (default 500: the window system's
// own pace between one page mapped and the other unmapped, on a busy machine) fail at once.
// --any-state 1 takes a page in any state (for looking past a known fault by hand). Once a page is
// mapped, it must answer a _NET_WM_PING (as window managers ask "is it still responding?")
// within P ms (default 5000): the reply comes from the program's own event loop, so a program
// that hangs or loops fails here even though its windows are still mapped.
//
// On success prints one line per mapped window of the program, the page first:
//   page|dialog<TAB>x<TAB>y<TAB>width<TAB>height<TAB>state<TAB>title
// (state: maximised, fullscreen or - for dialogs) and exits 0. Otherwise prints what is wrong
// on stderr and exits 1, or 3 when the program is no longer running.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <sys/types.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

namespace {

Display* dpy;
Window root;
Atom aPid, aName, aUtf8, aType, aTypeNormal, aState, aMaxV, aMaxH, aFull, aProtocols, aPing;

int ignoreErrors(Display*, XErrorEvent*) { return 0; }  // windows come and go while we look

struct Win {
    Window id;
    bool page;
    int x, y, w, h;
    bool maxV, maxH, full;
    std::string title;
};

std::vector<unsigned long> property(Window w, Atom name, Atom type) {
    Atom actual;
    int format;
    unsigned long n = 0, after;
    unsigned char* data = nullptr;
    std::vector<unsigned long> out;
    if (XGetWindowProperty(dpy, w, name, 0, 64, False, type, &actual, &format, &n, &after, &data) ==
            Success &&
        data && format == 32)
        out.assign(reinterpret_cast<unsigned long*>(data),
                   reinterpret_cast<unsigned long*>(data) + n);
    if (data) XFree(data);
    return out;
}

std::string title(Window w) {
    Atom actual;
    int format;
    unsigned long n = 0, after;
    unsigned char* data = nullptr;
    std::string t;
    if (XGetWindowProperty(dpy, w, aName, 0, 1024, False, aUtf8, &actual, &format, &n, &after,
                           &data) == Success &&
        data)
        t.assign(reinterpret_cast<char*>(data), n);
    if (data) XFree(data);
    if (t.empty()) {
        char* name = nullptr;
        if (XFetchName(dpy, w, &name) && name) t = name;
        if (name) XFree(name);
    }
    return t;
}

// The program's viewable windows: clients below the window manager's frames, or directly
// below the root (menus and other override-redirect windows, which are not counted).
void collect(Window w, pid_t pid, int depth, std::vector<Win>& out) {
    Window r, parent, *kids = nullptr;
    unsigned n = 0;
    if (!XQueryTree(dpy, w, &r, &parent, &kids, &n)) return;
    for (unsigned i = 0; i < n; ++i) {
        XWindowAttributes a;
        if (!XGetWindowAttributes(dpy, kids[i], &a) || a.map_state != IsViewable) continue;
        auto pids = property(kids[i], aPid, XA_CARDINAL);
        if (pids.empty() || pid_t(pids[0]) != pid) {
            if (depth < 3) collect(kids[i], pid, depth + 1, out);
            continue;
        }
        if (a.override_redirect) continue;
        Win win{kids[i], true, 0, 0, a.width, a.height, false, false, false, {}};
        Window child;
        XTranslateCoordinates(dpy, kids[i], root, 0, 0, &win.x, &win.y, &child);
        auto types = property(kids[i], aType, XA_ATOM);
        Window owner = None;
        win.page = (types.empty() || types[0] == aTypeNormal) &&
                   !(XGetTransientForHint(dpy, kids[i], &owner) && owner != None);
        for (auto s : property(kids[i], aState, XA_ATOM)) {
            win.maxV |= s == aMaxV;
            win.maxH |= s == aMaxH;
            win.full |= s == aFull;
        }
        win.title = title(kids[i]);
        out.push_back(win);
    }
    if (kids) XFree(kids);
}

bool alive(pid_t pid) { return kill(pid, 0) == 0; }

// Sends a ping to the window and waits for the program to echo it to the root window.
bool ping(Window w, long token, int ms) {
    XEvent e{};
    e.xclient.type = ClientMessage;
    e.xclient.window = w;
    e.xclient.message_type = aProtocols;
    e.xclient.format = 32;
    e.xclient.data.l[0] = long(aPing);
    e.xclient.data.l[1] = token;
    e.xclient.data.l[2] = long(w);
    XSendEvent(dpy, w, False, NoEventMask, &e);
    XFlush(dpy);
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (std::chrono::steady_clock::now() < until) {
        while (XPending(dpy)) {
            XEvent r;
            XNextEvent(dpy, &r);
            if (r.type == ClientMessage && r.xclient.message_type == aProtocols &&
                Atom(r.xclient.data.l[0]) == aPing && r.xclient.data.l[1] == token)
                return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr,
                     "usage: orbelune-xprobe PID [--watch-ms W] [--settle-ms S] "
                     "[--ping-ms P] [--two-pages-ms T] [--any-state 1]\n");
        return 2;
    }
    const pid_t pid = pid_t(std::atol(argv[1]));
    int watchMs = 0, settleMs = 5000, pingMs = 5000, twoPagesMs = 500, anyState = 0;
    for (int i = 2; i + 1 < argc; i += 2) {
        const int v = std::atoi(argv[i + 1]);
        if (!std::strcmp(argv[i], "--watch-ms")) watchMs = v;
        if (!std::strcmp(argv[i], "--settle-ms")) settleMs = v;
        if (!std::strcmp(argv[i], "--ping-ms")) pingMs = v;
        if (!std::strcmp(argv[i], "--two-pages-ms")) twoPagesMs = v;
        if (!std::strcmp(argv[i], "--any-state")) anyState = v;
    }
    dpy = XOpenDisplay(nullptr);
    if (!dpy) {
        std::fprintf(stderr, "no X display\n");
        return 2;
    }
    XSetErrorHandler(ignoreErrors);
    root = DefaultRootWindow(dpy);
    auto atom = [](const char* n) { return XInternAtom(dpy, n, False); };
    aPid = atom("_NET_WM_PID");
    aName = atom("_NET_WM_NAME");
    aUtf8 = atom("UTF8_STRING");
    aType = atom("_NET_WM_WINDOW_TYPE");
    aTypeNormal = atom("_NET_WM_WINDOW_TYPE_NORMAL");
    aState = atom("_NET_WM_STATE");
    aMaxV = atom("_NET_WM_STATE_MAXIMIZED_VERT");
    aMaxH = atom("_NET_WM_STATE_MAXIMIZED_HORZ");
    aFull = atom("_NET_WM_STATE_FULLSCREEN");
    aProtocols = atom("WM_PROTOCOLS");
    aPing = atom("_NET_WM_PING");
    // The program echoes a ping to the root window for whoever listens there for structure
    // changes (Qt's releases name either of the two).
    XSelectInput(dpy, root, StructureNotifyMask | SubstructureNotifyMask);

    using clock = std::chrono::steady_clock;
    const auto start = clock::now();
    const auto since = [&] {
        return int(
            std::chrono::duration_cast<std::chrono::milliseconds>(clock::now() - start).count());
    };
    int twoSince = -1;
    bool pinged = false;
    int pingSince = -1;
    std::string last = "no page mapped";
    for (;;) {
        if (!alive(pid)) {
            std::fprintf(stderr, "the program is no longer running\n");
            return 3;
        }
        std::vector<Win> wins;
        collect(root, pid, 0, wins);
        std::vector<const Win*> pages;
        for (auto& w : wins)
            if (w.page) pages.push_back(&w);
        if (pages.size() > 1) {
            if (twoSince < 0) twoSince = since();
            if (since() - twoSince > twoPagesMs) {
                std::fprintf(stderr, "%zu pages mapped at once for %d ms:", pages.size(),
                             since() - twoSince);
                for (auto* p : pages) std::fprintf(stderr, " '%s'", p->title.c_str());
                std::fprintf(stderr, "\n");
                return 1;
            }
        } else {
            twoSince = -1;
        }
        if (pages.size() == 1 && !pinged) {
            // A page being left may go, and with it the ping sent to it: each second the page
            // then shown is asked again.
            if (pingSince < 0) pingSince = since();
            pinged = ping(pages[0]->id, 0x4f72620 + since(), 1000);
            if (!pinged && alive(pid) && since() - pingSince >= pingMs) {
                std::fprintf(stderr, "the program did not answer a ping within %d ms\n", pingMs);
                return 1;
            }
            continue;  // look again: the windows may have changed meanwhile
        }
        bool settled = false;
        if (pages.size() == 1) {
            const Win& p = *pages[0];
            settled = anyState || p.full || (p.maxV && p.maxH);
            std::string state = p.maxV ? "maximised vertically" : "";
            if (p.maxH) state += state.empty() ? "maximised horizontally" : ", horizontally";
            if (state.empty()) state = "no state";
            char why[512];
            std::snprintf(why, sizeof why,
                          "the page '%s' is neither maximised nor full screen (%s; %dx%d+%d+%d)",
                          p.title.c_str(), state.c_str(), p.w, p.h, p.x, p.y);
            last = why;
        } else if (pages.empty()) {
            last = "no page mapped";
        }
        if (settled && since() >= watchMs) {
            const Win& p = *pages[0];
            std::printf("page\t%d\t%d\t%d\t%d\t%s\t%s\n", p.x, p.y, p.w, p.h,
                        p.full ? "fullscreen" : "maximised", p.title.c_str());
            for (auto& w : wins)
                if (!w.page)
                    std::printf("dialog\t%d\t%d\t%d\t%d\t-\t%s\n", w.x, w.y, w.w, w.h,
                                w.title.c_str());
            return 0;
        }
        if (since() > watchMs + settleMs) {
            std::fprintf(stderr, "%s after %d ms\n", last.c_str(), since());
            return 1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}
