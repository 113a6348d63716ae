// Screen readers. The canvas is a picture named by its page's title; beside it each view keeps
// what the program reads from the page (scene/reader.h) as page elements, in reading order:
// texts and formulas (by their reading) out of sight, the main menu's entries as links over
// their drawn labels, and the page's own text boxes, check boxes and buttons named from it and
// placed in that order for assistive technology. What a script reveals and what a message box
// says go to a polite live region. Controls the reader leaves out (placed off the page) are
// neither read nor reached by Tab. Put after web/page.js.

/* global Orb */
(function (O) {
  "use strict";
  let live = null;
  function liveRegion() {
    if (!live) {
      live = document.createElement("div");
      live.className = "live";
      live.setAttribute("aria-live", "polite");
      document.body.appendChild(live);
    }
    return live;
  }
  // Each text as an element of its own, so that each is heard; the oldest go.
  function say(text) {
    if (!text) return;
    const r = liveRegion();
    const p = document.createElement("p");
    p.textContent = text;
    r.appendChild(p);
    while (r.childNodes.length > 20) r.removeChild(r.firstChild);
  }

  const name = (v) => v.caption;
  const create = O.createView;
  O.createView = function (id) {
    create.apply(this, arguments);
    const v = O.views.get(id);
    liveRegion();  // there before anything is said in it, or some readers miss the first
    v.canvas.setAttribute("role", "img");
    v.canvas.setAttribute("aria-label", name(v));
    v.reader = document.createElement("div");
    v.reader.className = "reader";
    v.reader.id = "reader-" + id;
    v.stage.insertBefore(v.reader, v.box);
    // Owns the reader's items and the controls alike, in reading order: the one tree a screen
    // reader walks, whatever the elements' order for layout and Tab.
    v.reading = document.createElement("div");
    v.reading.className = "reading";
    v.stage.insertBefore(v.reading, v.reader);
    if (!v.maximized) {
      // A small window (About) is a dialog named by its title bar.
      const title = v.root.querySelector(".titlebar span");
      title.id = "title-" + id;
      v.root.setAttribute("aria-labelledby", title.id);
    }
  };
  const activate = O.activateView;
  O.activateView = function (id, caption) {
    activate.apply(this, arguments);
    const v = O.views.get(id);
    if (!v) return;
    v.caption = caption;
    v.canvas.setAttribute("aria-label", caption);
  };

  // The page's element for a control, and the element that takes its name and the focus.
  const element = (id) => O.controls.get(id);
  const focusable = (e) => e.input || e;

  // A link: Enter on it, or a click, acts as a click on its drawn label.
  function link() {
    const a = document.createElement("a");
    a.href = "#";
    a.addEventListener("click", (e) => {
      e.preventDefault();
      O.push(O.EV.click, Number(a.dataset.label));
    });
    return a;
  }

  O.reader = function (viewId, text) {
    const v = O.views.get(viewId);
    if (!v || !v.reader) return;
    const r = v.reader;
    const order = [];
    const read = new Set();
    // The elements already there are kept where they still fit, so that a focused link keeps
    // the focus and a reader's place stays while a clock ticks.
    let at = 0;
    const next = (tag, make) => {
      let e = r.children[at];
      if (!e || e.tagName !== tag) {
        const made = make();
        r.insertBefore(made, e || null);
        e = made;
      }
      e.id = "reader-" + viewId + "-" + at++;
      order.push(e.id);
      return e;
    };
    for (const line of text.split("\n")) {
      if (!line) continue;
      const [role, idText, itemName, , , box] = line.split("\t");
      const id = Number(idText);
      if (role === "text" || role === "formula") {
        const p = next("P", () => document.createElement("p"));
        if (p.textContent !== itemName) p.textContent = itemName;
      } else if (role === "link") {
        const a = next("A", link);
        if (a.textContent !== itemName) a.textContent = itemName;
        a.dataset.label = id;
        const [x, y, w, h] = (box || "0 0 0 0").split(" ").map(Number);
        Object.assign(a.style, { left: x + "px", top: y + "px", width: w + "px", height: h + "px" });
      } else {
        const e = element(id);
        if (!e) continue;
        if (!e.id) e.id = "control-" + id;
        focusable(e).setAttribute("aria-label", itemName);
        order.push(e.id);
        read.add(e);
      }
    }
    while (r.children.length > at) r.removeChild(r.lastChild);
    // The controls in reading order for assistive technology; Tab keeps the lesson's order.
    v.reading.setAttribute("aria-owns", order.join(" "));
    for (const e of v.box.children) {
      if (e.rank === undefined) continue;  // not a control (touch.js's pad)
      const out = !read.has(e);
      if (out) e.setAttribute("aria-hidden", "true");
      else e.removeAttribute("aria-hidden");
      // Neither Tab nor the reader reaches a control placed off the page.
      focusable(e).tabIndex = out || e.rank >= v.tab.length ? -1 : 0;
      if (out) offPage(e);
    }
  };

  // A lesson puts its focus on a button off the page to take it from the others (mirror's
  // `dum`): the program keeps that focus, the page's focus goes nowhere, so that nothing unseen
  // is announced.
  function offPage(e) {
    const f = focusable(e);
    if (document.activeElement === f) f.blur();
  }
  const focus = O.focus;
  O.focus = function (id) {
    focus.apply(this, arguments);
    const e = element(id);
    if (e && e.getAttribute("aria-hidden") === "true") offPage(e);
  };

  O.announce = function (viewId, text) {
    for (const line of text.split("\n")) say(line);
  };

  // A message box is heard as it opens; its OK button has the focus.
  const open = O.messageOpen;
  O.messageOpen = function (text) {
    open.apply(this, arguments);
    const d = document.getElementById("msgbox");
    const p = d.querySelector("p");
    p.id = "msgbox-text";
    d.setAttribute("aria-describedby", p.id);
    say(text);
  };
})(Orb);
