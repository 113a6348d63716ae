// The timeline bar of a page with a script: the demonstration's length on the program clock,
// where it is now and a mark at each stage, at the foot of the page. It shows when the pointer
// moves or a timeline key is pressed and goes 3 s after the last of either; hovering a mark
// names its stage, and a click or a drag takes the page there. Put after web/page.js.

/* global Orb */
(function (O) {
  "use strict";
  const SHOWN_MS = 3000;
  // The View items that move on the timeline, by their keys: pressing one shows the bar.
  const KEYS = ["Ctrl+Left", "Ctrl+Right", "Ctrl+Shift+Left", "Ctrl+Shift+Right"];
  O.timelineKeys = KEYS;

  const clock = (ms) => {
    const s = Math.round(Math.max(0, ms) / 1000);
    return Math.floor(s / 60) + ":" + String(s % 60).padStart(2, "0");
  };

  // The program says where the run is at times; between them the bar moves on by itself.
  function position(bar) {
    const at = bar.at;
    const p = at.pos + (at.speed > 0 ? ((performance.now() - at.wall) * at.speed) : 0);
    return Math.min(Math.max(0, p), bar.length);
  }

  function draw(bar) {
    const now = bar.drag != null ? bar.drag : position(bar);
    const f = bar.length > 0 ? now / bar.length : 0;
    bar.done.style.width = (f * 100).toFixed(3) + "%";
    bar.knob.style.left = (f * 100).toFixed(3) + "%";
    bar.clock.textContent = clock(now) + " / " + clock(bar.length);
    bar.root.setAttribute("aria-valuenow", String(Math.round(now / 1000)));
    bar.root.setAttribute("aria-valuetext", clock(now) + " of " + clock(bar.length));
  }

  function timeAt(bar, clientX) {
    const r = bar.track.getBoundingClientRect();
    return Math.min(1, Math.max(0, (clientX - r.left) / r.width)) * bar.length;
  }

  function wake(bar) {
    bar.root.hidden = false;
    clearTimeout(bar.hideTimer);
    const hideLater = () => {
      bar.hideTimer = setTimeout(() => {
        // Not from under the pointer that is using it.
        if (bar.drag != null || bar.root.matches(":hover")) return hideLater();
        bar.root.hidden = true;
      }, SHOWN_MS);
    };
    hideLater();
    if (!bar.ticking) {
      bar.ticking = true;
      const tick = () => {
        if (bar.root.hidden) {
          bar.ticking = false;
          return;
        }
        draw(bar);
        requestAnimationFrame(tick);
      };
      requestAnimationFrame(tick);
    }
  }

  // A mark at each stage, named for the hover (the names change with the language).
  const putMarks = (bar, stages) => {
    for (const old of bar.track.querySelectorAll(".mark")) old.remove();
    for (const line of stages.split("\n")) {
      if (!line) continue;
      const tab = line.indexOf("\t");
      const t = Number(line.slice(0, tab)), name = line.slice(tab + 1);
      const mark = document.createElement("div");
      mark.className = "mark";
      mark.style.left = ((bar.length > 0 ? t / bar.length : 0) * 100).toFixed(3) + "%";
      mark.title = name + " (" + clock(t) + ")";
      mark.dataset.t = String(t);
      mark.dataset.name = name;
      bar.track.insertBefore(mark, bar.knob || null);
    }
  };

  O.timeline = function (viewId, length, stages) {
    const v = O.views.get(viewId);
    if (!v || !v.stage) return;
    if (v.timeline) {
      // The page's bar exists: its stages are told again (in another language).
      v.timeline.length = length;
      v.timeline.root.setAttribute("aria-valuemax", String(Math.round(length / 1000)));
      putMarks(v.timeline, stages);
      return;
    }
    const root = document.createElement("div");
    root.className = "timeline";
    root.hidden = true;
    root.setAttribute("role", "slider");
    root.setAttribute("aria-label", O.tr("Timeline", "Timeline"));
    root.setAttribute("aria-valuemin", "0");
    root.setAttribute("aria-valuemax", String(Math.round(length / 1000)));
    const track = document.createElement("div");
    track.className = "track";
    root.appendChild(track);
    const done = document.createElement("div");
    done.className = "done";
    track.appendChild(done);
    const bar = { root, track, done, length, at: { pos: 0, speed: 0, wall: 0 }, drag: null, hideTimer: 0 };
    putMarks(bar, stages);
    bar.knob = document.createElement("div");
    bar.knob.className = "knob";
    track.appendChild(bar.knob);
    bar.clock = document.createElement("span");
    bar.clock.className = "clock";
    root.appendChild(bar.clock);
    v.stage.appendChild(root);
    v.timeline = bar;

    // A press on a mark goes to its stage's very start; a drag goes where it is let go.
    root.addEventListener("pointerdown", (e) => {
      if (e.button !== 0) return;
      e.preventDefault();
      e.stopPropagation();
      root.setPointerCapture(e.pointerId);
      const mark = e.target.closest(".mark");
      bar.drag = mark ? Number(mark.dataset.t) : timeAt(bar, e.clientX);
      wake(bar);
      draw(bar);
    });
    root.addEventListener("pointermove", (e) => {
      wake(bar);
      if (bar.drag == null) return;
      bar.drag = timeAt(bar, e.clientX);
      draw(bar);
    });
    const release = (e) => {
      if (bar.drag == null) return;
      const to = bar.drag;
      bar.drag = null;
      if (e.type === "pointerup") {
        bar.at = { pos: to, speed: 0, wall: performance.now() };
        O.push(O.EV.seek, viewId, String(to));
      }
      draw(bar);
    };
    root.addEventListener("pointerup", release);
    root.addEventListener("pointercancel", release);
    // Any move of the pointer over the page shows the bar.
    v.stage.addEventListener("pointermove", () => wake(bar));
  };

  O.timelineAt = function (viewId, pos, speed) {
    const v = O.views.get(viewId);
    if (!v || !v.timeline) return;
    v.timeline.at = { pos, speed, wall: performance.now() };
    if (!v.timeline.root.hidden) draw(v.timeline);
  };

  // A timeline key pressed (or its menu item chosen) on the active page.
  O.timelineWake = function (shortcut) {
    if (!KEYS.includes(shortcut)) return;
    const v = O.views.get(O.active);
    if (v && v.timeline) wake(v.timeline);
  };
})(Orb);
