#!/usr/bin/python3
# What a screen reader finds in the real program, read through AT-SPI as Orca reads it: the main
# menu, Lesson 1, Lesson 8, optics 1 and Lesson 9 at its end hold every item of the driver's
# reading (orbelune-script FORM --reader, the one source of truth) in its order, role and name;
# Lesson 8's check box follows its script; Tab reaches only named controls on the page; Lesson 9's
# reveals and Lesson 10's message boxes arrive as name changes of the page's notification object.
# Run by desktop_accessibility.sh in a private X display with its own accessibility bus; Debian's
# python3 with python3-pyatspi.
#   accessibility_walk.py path/to/orbelune path/to/orbelune-script SHOTS_DIR
import os
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

BIN, SCRIPT, SHOTS = sys.argv[1:4]
ROLES = {"text": "label", "formula": "label", "link": "link", "textbox": "text",
         "checkbox": "check box", "button": "push button"}
failures = []


def fail(msg):
    failures.append(msg)
    print("FAIL: " + msg, flush=True)


def pump(seconds):
    """Lets AT-SPI events in for this long."""
    ctx = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while ctx.pending():
            ctx.iteration(False)
        time.sleep(0.02)


def driver(form, *args):
    out = subprocess.run([SCRIPT, form, "--reader", *args], capture_output=True, text=True,
                         check=True).stdout
    title, items, announced = None, [], []
    for line in out.splitlines():
        if line.startswith("window: "):
            title = line[len("window: "):]
            continue
        m = re.match(r"announced at (\d+): (.*)$", line)
        if m:
            announced.append(m.group(2))
            continue
        role, name = line.split(": ", 1)
        value = checked = None
        if role == "textbox":
            name, value = re.match(r"(.*) \[(.*)\]$", name).groups()
        if role == "checkbox":
            name, state = re.match(r"(.*) \((checked|not checked)\)$", name).groups()
            checked = state == "checked"
        items.append((role, name, value, checked))
    return title, items, announced


class Program:
    def __init__(self, lesson=None):
        env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", LANGUAGE="en")
        self.proc = subprocess.Popen([BIN] + (["--lesson", lesson] if lesson else []), env=env)

    def app(self):
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            a = desktop.getChildAtIndex(i)
            try:
                if a is not None and a.get_process_id() == self.proc.pid:
                    return a
            except Exception:
                pass
        return None

    def page(self, title, timeout=20):
        """The page window titled so, once it shows; its canvas (the filler whose last child is
        the notification object)."""
        end = time.monotonic() + timeout
        while time.monotonic() < end:
            pump(0.2)
            a = self.app()
            for i in range(a.childCount if a else 0):
                w = a.getChildAtIndex(i)
                if w is None or w.name != title or not w.getState().contains(pyatspi.STATE_SHOWING):
                    continue
                canvas = find_canvas(w)
                if canvas is not None:
                    return w, canvas
        raise RuntimeError("no page '%s' in the accessibility tree" % title)

    def key(self, *keys):
        subprocess.run(["xdotool", "key", "--delay", "120", *keys], check=True)

    def end(self):
        self.proc.terminate()
        try:
            self.proc.wait(5)
        except subprocess.TimeoutExpired:
            self.proc.kill()


def find_canvas(acc):
    for i in range(acc.childCount):
        c = acc.getChildAtIndex(i)
        if c is None:
            continue
        if c.getRoleName() == "filler" and c.childCount and \
                c.getChildAtIndex(c.childCount - 1).getRoleName() == "notification":
            return c
        found = find_canvas(c)
        if found is not None:
            return found
    return None


def read(canvas):
    """The canvas's items as the driver prints them, from the tree."""
    out = []
    for i in range(canvas.childCount - 1):
        c = canvas.getChildAtIndex(i)
        role, value, checked = c.getRoleName(), None, None
        if role == "text":
            t = c.queryText()
            value = t.getText(0, t.characterCount)
        if role == "label":
            # A reader reviews a text by its words: its text says what its name says. A clock may
            # tick between the two questions, so a difference is only a fault if it stays.
            t = c.queryText()
            text = t.getText(0, t.characterCount)
            if text != c.name:
                value = "text reads %r" % text
        if role == "check box":
            checked = c.getState().contains(pyatspi.STATE_CHECKED)
        out.append((role, c.name, value, checked))
    return out


def expected(items):
    return [(ROLES[r], n, v, c) for r, n, v, c in items]


def compare(form, canvas, want, timeout=8):
    """The tree reads as the driver does, within a while (the page may still be drawing); its
    inputs, links and buttons all have names."""
    for role, name, _, _ in want:
        if role != "label" and not name.strip():
            fail("%s: a %s has no name" % (form, role))
    end = time.monotonic() + timeout
    while True:
        got = read(canvas)
        if got == want:
            return
        if time.monotonic() > end:
            break
        pump(0.3)
    for i in range(max(len(got), len(want))):
        g = got[i] if i < len(got) else None
        w = want[i] if i < len(want) else None
        if g != w:
            fail("%s item %d: the tree has %r, the driver reads %r" % (form, i, g, w))
            return


def dump(form, window):
    """The tree as a blind student meets it, kept beside the screenshots."""
    lines = []

    def walk(acc, depth):
        st = acc.getState()
        if not st.contains(pyatspi.STATE_SHOWING) and depth > 1:
            return
        flags = [s for s, k in (("checked", pyatspi.STATE_CHECKED),
                                ("focused", pyatspi.STATE_FOCUSED)) if st.contains(k)]
        lines.append("%s%s %r%s" % ("  " * depth, acc.getRoleName(), acc.name,
                                    " (" + ", ".join(flags) + ")" if flags else ""))
        for i in range(acc.childCount):
            c = acc.getChildAtIndex(i)
            if c is not None:
                walk(c, depth + 1)
    walk(window, 0)
    with open(os.path.join(SHOTS, form + "-tree.txt"), "w") as f:
        f.write("\n".join(lines) + "\n")


focus_events = []


def on_focus(e):
    if e.detail1:
        focus_events.append(e.source)


pyatspi.Registry.registerEventListener(on_focus, "object:state-changed:focused")


def tab_walk(form, canvas, presses):
    """Tab reaches only controls that the tree lists on the page, each named."""
    listed = [canvas.getChildAtIndex(i) for i in range(canvas.childCount - 1)]
    focus_events.clear()
    for _ in range(presses):
        subprocess.run(["xdotool", "key", "Tab"], check=True)
        pump(0.25)
    if not focus_events:
        fail(form + ": Tab reached nothing")
    for src in focus_events:
        if src.getRoleName() in ("frame", "filler", "menu bar"):
            continue
        if not src.name or src.getIndexInParent() < 0 or src not in listed:
            fail("%s: Tab reached %s %r, not a control the page shows" %
                 (form, src.getRoleName(), src.name))


def other_page(p, leaving, timeout=10):
    """The title of the page shown once the one titled `leaving` has gone, or None."""
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        pump(0.2)
        a = p.app()
        for i in range(a.childCount if a else 0):
            w = a.getChildAtIndex(i)
            if w is not None and w.getRoleName() == "frame" and w.name != leaving and \
                    w.getState().contains(pyatspi.STATE_SHOWING):
                return w.name
    return None


# The main menu: its course entries are links, which Tab and Enter open, and so does a screen
# reader's press.
title, items, _ = driver("Utama")
for how in ("keyboard", "press"):
    p = Program()
    try:
        window, canvas = p.page(title)
        compare("main menu", canvas, expected(items))
        links = [c for c in (canvas.getChildAtIndex(i) for i in range(canvas.childCount))
                 if c.getRoleName() == "link"]
        if how == "keyboard":
            dump("main-menu", window)
            tab_walk("main menu", canvas, 1)
            if not any(l.getState().contains(pyatspi.STATE_FOCUSED) for l in links):
                fail("main menu: Tab does not reach a course")
            subprocess.run(["import", "-window", "root", os.path.join(SHOTS, "main-menu-tab.png")])
            p.key("Return")
        else:
            action = links[-1].queryAction() if links else None
            if not action or action.getName(0).lower() != "press":
                fail("main menu: the course entries cannot be pressed")
                continue
            action.doAction(0)
        if not other_page(p, title):
            fail("main menu: the course entry opened nothing by " + how)
    finally:
        p.end()

# Static pages at their end: all there, in order, named.
for form, tabs in (("Lesson1", 0), ("optics1", 16)):
    title, items, _ = driver(form)
    p = Program(form)
    try:
        window, canvas = p.page(title)
        compare(form, canvas, expected(items))
        dump(form, window)
        if tabs:
            tab_walk(form, canvas, tabs)
    finally:
        p.end()

# Lesson 8: its invisible teacher ticks the check box and clears it again; the tree follows.
title, items, _ = driver("Lesson8")
states = []
for t in range(3000, 11001, 500):
    for r, n, v, c in driver("Lesson8", "--until", str(t))[1]:
        if r == "checkbox" and (not states or states[-1] != c):
            states.append(c)
p = Program("Lesson8")
try:
    window, canvas = p.page(title)
    seen, end = [], time.monotonic() + 12
    while time.monotonic() < end:
        for c in read(canvas):
            if c[0] == "check box" and (not seen or seen[-1] != c[3]):
                seen.append(c[3])
        pump(0.1)
    if seen != states:
        fail("Lesson 8's check box went %s, its script %s" % (seen, states))
    # To the end of its timeline, as the teacher's keys take it.
    p.key(*["ctrl+Right"] * 9)
    compare("Lesson8", canvas, expected(items), timeout=15)
    dump("Lesson8", window)
finally:
    p.end()

# Lesson 9 played to its end: what it reveals is announced through the notification object.
heard = []


def on_name(e):
    if e.source.getRoleName() == "notification":
        heard.append(e.any_data if isinstance(e.any_data, str) else e.source.name)


pyatspi.Registry.registerEventListener(on_name, "object:property-change:accessible-name")
title, items, announced = driver("Lesson9")
p = Program("Lesson9")
try:
    window, canvas = p.page(title)
    compare("Lesson9", canvas, expected(items), timeout=25)
    pump(1)
    dump("Lesson9", window)
    with open(os.path.join(SHOTS, "Lesson9-announced.txt"), "w") as f:
        f.write("\n".join(heard) + "\n")
    # A clock's every number is the lesson's to mark as ticking, not this test's to expect.
    rest = iter(heard)
    missing = [a for a in announced if not a.isdigit() and not any(h == a for h in rest)]
    if missing:
        fail("Lesson 9: not announced (or out of order): %r; heard %r" % (missing, heard))
finally:
    p.end()

# Lesson 10's message boxes: their text is announced, and Escape or Enter answers them.
_, _, announced = driver("Lesson10", "--until", "7000")
title = driver("Lesson10")[0]
boxes = [a for a in announced if "passed" in a][:2]
p = Program("Lesson10")
try:
    p.page(title)
    for text, key in zip(boxes, ("Escape", "Return")):
        heard.clear()
        end = time.monotonic() + 15
        while text not in heard and time.monotonic() < end:
            pump(0.2)
        if text not in heard:
            fail("Lesson 10: the message box's %r was not announced; heard %r" % (text, heard))
            break
        pump(0.5)
        p.key(key)
    if len(boxes) < 2:
        fail("Lesson 10: the driver shows no two message boxes: %r" % announced)
    # Answered twice by the keyboard, the lesson goes on to its third box.
    heard.clear()
    end = time.monotonic() + 15
    while not any("passed" in h for h in heard) and time.monotonic() < end:
        pump(0.2)
    if not any("passed" in h for h in heard):
        fail("Lesson 10: after Escape and Enter no further message box came")
finally:
    p.end()

print("%d failure(s)" % len(failures))
sys.exit(1 if failures else 0)
