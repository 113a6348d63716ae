// Phones and tablets: menus inside the viewport, touch targets of at least 24 x 24 CSS px
// (WCAG 2.2, 2.5.8), a dragged finger moving a magnified scene, the on-screen keyboard leaving
// the scene's size alone, and a note where the picture is too small to read upright.
// Put after page.js.

/* global Orb */
(function () {
  "use strict";
  if (typeof document === "undefined") return;
  const O = Orb;
  const MIN = 24;  // CSS px, each way
  const touchy = () => navigator.maxTouchPoints > 0 || window.matchMedia("(pointer: coarse)").matches;

  // --- Menus: inside the viewport, scrolling where taller than it ---------------------------
  function fitMenu(list) {
    list.style.left = "";
    list.style.maxHeight = "";
    list.style.maxWidth = "";
    const vw = document.documentElement.clientWidth, vh = window.innerHeight;
    let r = list.getBoundingClientRect();
    list.style.maxWidth = vw + "px";
    r = list.getBoundingClientRect();
    if (r.right > vw) list.style.left = -Math.min(r.right - vw, r.left) + "px";
    list.style.maxHeight = Math.max(MIN * 2, vh - r.top) + "px";
  }
  const fitOpen = () => document.querySelectorAll(".menulist:not([hidden])").forEach(fitMenu);
  new MutationObserver((changes) => {
    for (const c of changes) if (c.target.classList.contains("menulist") && !c.target.hidden) fitMenu(c.target);
  }).observe(document.body, { subtree: true, attributes: true, attributeFilter: ["hidden"] });

  // --- Buttons and check boxes: a touch area of at least MIN, centred on the drawn one -----
  // A small control gets a transparent pad around it, under every control, which hands its
  // presses to the control. (A button's own overhang takes no touches in Chromium.)
  const control = O.control;
  O.control = function (viewId, id) {
    control.apply(this, arguments);
    const e = O.controls.get(id);
    if (!e || e.tagName === "INPUT") return;  // a text box takes the whole of its touch
    const x = parseFloat(e.style.left) || 0, y = parseFloat(e.style.top) || 0;
    const w = parseFloat(e.style.width) || 0, h = parseFloat(e.style.height) || 0;
    const small = w > 0 && h > 0 && (w < MIN || h < MIN);
    if (!small && !e.pad) return;
    if (!e.pad) {
      const pad = document.createElement("div");
      pad.className = "touchpad";
      pad.setAttribute("aria-hidden", "true");
      const live = () => !e.hidden && !(e.input || e).disabled;
      pad.addEventListener("mousedown", (ev) => {
        if (ev.button !== 0 || !live()) return;
        ev.preventDefault();
        (e.input || e).focus({ preventScroll: true });
        e.dispatchEvent(new MouseEvent("mousedown", { bubbles: true, cancelable: true, button: 0, buttons: 1 }));
      });
      pad.addEventListener("click", () => live() && e.click());
      e.parentNode.insertBefore(pad, e);
      e.pad = pad;
    }
    const pw = Math.max(w, MIN), ph = Math.max(h, MIN), ps = e.pad.style;
    ps.left = x - (pw - w) / 2 + "px";
    ps.top = y - (ph - h) / 2 + "px";
    ps.width = pw + "px";
    ps.height = ph + "px";
    e.pad.hidden = e.hidden || !small;
  };

  // --- Labels drawn on the canvas (light sources, the main menu's entries) -----------------
  // A tap near a small one lands on it: the nearest whose touch area (at least MIN each way,
  // centred on it) holds the tap, unless the tap is on one already.
  function aim(v, x, y) {
    const targets = v.targets || [];
    const inside = (t, ex, ey) => x >= t[0] - ex && x < t[0] + t[2] + ex && y >= t[1] - ey && y < t[1] + t[3] + ey;
    if (targets.some((t) => inside(t, 0, 0))) return null;
    let best = null, bestD = Infinity;
    for (const t of targets) {
      if (!inside(t, Math.max(0, (MIN - t[2]) / 2), Math.max(0, (MIN - t[3]) / 2))) continue;
      const cx = t[0] + t[2] / 2, cy = t[1] + t[3] / 2, d = Math.hypot(x - cx, y - cy);
      if (d < bestD) (bestD = d), (best = [cx, cy]);
    }
    return best;
  }
  let lastTouch = -1e9;
  document.addEventListener("pointerdown", (e) => {
    if (e.pointerType === "touch") lastTouch = performance.now();
  }, true);
  const aimed = new WeakSet();
  for (const kind of ["mousedown", "mouseup"]) {
    window.addEventListener(kind, (e) => {
      if (!e.isTrusted || aimed.has(e) || performance.now() - lastTouch > 1500) return;
      const canvas = e.target;
      if (!canvas.classList || !canvas.classList.contains("scene")) return;
      const v = Array.from(O.views.values()).find((w) => w.canvas === canvas);
      const r = canvas.getBoundingClientRect();
      const to = v && aim(v, e.clientX - r.left, e.clientY - r.top);
      if (!to) return;
      e.stopImmediatePropagation();
      const again = new MouseEvent(kind, {
        bubbles: true, cancelable: true, view: window, button: 0, buttons: kind === "mousedown" ? 1 : 0,
        clientX: r.left + to[0], clientY: r.top + to[1],
      });
      aimed.add(again);
      canvas.dispatchEvent(again);
    }, true);
  }

  // --- One finger drags a magnified scene (two pinch it, in page.js) ------------------------
  let drag = null;
  document.addEventListener("touchstart", (e) => {
    const v = O.views.get(O.active);
    drag = e.touches.length === 1 && v && v.maximized && O.zoom > 1 && e.target === v.canvas
      ? { v, x: e.touches[0].clientX, y: e.touches[0].clientY, moved: false } : null;
  }, { passive: true });
  document.addEventListener("touchmove", (e) => {
    if (!drag || e.touches.length !== 1) return;
    const t = e.touches[0], dx = t.clientX - drag.x, dy = t.clientY - drag.y;
    if (!drag.moved && Math.abs(dx) + Math.abs(dy) < 6) return;
    drag.moved = true;
    e.preventDefault();
    O.push(O.EV.pan, drag.v.id, dx + " " + dy);
    drag.x = t.clientX;
    drag.y = t.clientY;
  }, { passive: false });
  document.addEventListener("touchend", () => (drag = null));

  // --- The on-screen keyboard ---------------------------------------------------------------
  // Where the browser makes the window shorter for the keyboard, the pages keep their height
  // and move up until the box typed into shows; the scene keeps its size.
  const pages = () => document.getElementById("pages");
  let size = { w: window.innerWidth, h: window.innerHeight }, kept = null;
  const typing = () => {
    const a = document.activeElement;
    return a && a.classList && a.classList.contains("textbox") ? a : null;
  };
  function release() {
    if (!kept) return;
    kept = null;
    const p = pages();
    p.style.height = p.style.bottom = p.style.transform = "";
  }
  function showBox(box) {
    const p = pages();
    p.style.transform = "";
    const r = box.getBoundingClientRect(), room = window.innerHeight;
    const up = Math.max(0, Math.min(r.bottom + 8 - room, r.top - 8));
    if (up > 0) p.style.transform = "translateY(" + -up + "px)";
  }
  // Before page.js hears of the resize (capture listeners on the window come first).
  window.addEventListener("resize", () => {
    const w = window.innerWidth, h = window.innerHeight, box = typing();
    if (box && touchy() && w === (kept || size).w && h < (kept || size).h) {
      if (!kept) kept = size;
      const p = pages();
      p.style.bottom = "auto";
      p.style.height = kept.h + "px";
      showBox(box);
      return;
    }
    release();
    size = { w, h };
    fitOpen();
  }, true);
  document.addEventListener("focusout", (e) => {
    if (kept && e.target.classList && e.target.classList.contains("textbox")) {
      release();
      window.dispatchEvent(new Event("resize"));  // the scene to the window as it is now
    }
  });

  // --- "Turn your device sideways" ----------------------------------------------------------
  const BODY_PX = 11;  // the pages' body text (8.25 pt) at scale 1
  let noted = false;
  function fitted(v) {
    const w = v.stage.clientWidth, h = v.stage.clientHeight;
    if (!w || !h || !v.designW || !v.designH) return null;
    const s = Math.min(w / v.designW, h / v.designH);
    return { s, ox: (w - v.designW * s) / 2, oy: (h - v.designH * s) / 2 };
  }
  function sideways() {
    const note = document.getElementById("sideways");
    if (!note) return;
    if (window.innerWidth >= window.innerHeight) return (note.hidden = true);
    const v = O.views.get(O.active);
    if (noted || O.waiting || O.ended || !v || !v.maximized || O.zoom > 1) return;
    const f = fitted(v);
    if (!f || BODY_PX * f.s >= 12) return;
    noted = true;
    note.hidden = false;
    note.querySelector("button.zoom").onclick = () => {
      note.hidden = true;
      const v2 = O.views.get(O.active), f2 = v2 && fitted(v2);
      if (!f2) return;
      // About the scene's top-left corner, where its text begins; a finger then moves it.
      O.push(O.EV.zoom, v2.id, Math.min(4, 12 / (BODY_PX * f2.s)) + " " + f2.ox + " " + f2.oy);
    };
    note.querySelector("button.close").onclick = () => (note.hidden = true);
  }
  const activate = O.activateView;
  O.activateView = function () {
    activate.apply(this, arguments);
    sideways();
  };
  const start = O.start;
  O.start = function () {
    start.apply(this, arguments);
    sideways();
  };
  window.addEventListener("resize", () => setTimeout(sideways, 0));
})();
