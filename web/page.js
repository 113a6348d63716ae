// The page around the program: views (one per form), menus, input elements, dialogs, sound and
// the queue of the user's input, which the program takes events from when it is ready for them.
// Put in front of the generated orbelune.js; web/library.js hands the program's calls here.

/* global Module, HEAPF32, HEAPF64, HEAPU32, HEAP16, addRunDependency, removeRunDependency */
var Orb = (function () {
  "use strict";
  const O = {
    events: [],
    wake: null,
    views: new Map(),
    controls: new Map(),
    menuItems: new Map(),
    names: new Map(),
    active: 0,
    audio: null,
    urls: [],
    modal: 0,
    zoom: 1,  // the pages' magnification
    ended: false,
    waiting: true,  // until "Click to start" is pressed
    pendingFocus: null,  // where the program put the focus meanwhile
    ctx: null,
    view: null,
    // ?measure=1 in the address records the presented frames' times.
    measure: typeof location !== "undefined" && new URLSearchParams(location.search).get("measure") === "1",
    frames: [],  // with measure: each paced frame's time; -1 where a handler, beep or message ends
    firstFrame: 0,
    language: "en",  // the language every text is shown in
    words: null,  // its translations: "context\u0004source" -> text (site/l10n/<code>.json)
    wordsCode: "",
    menuTitles: new Map(),
    languageMenus: [],
  };

  // --- Language ----------------------------------------------------------------------------
  // The languages as the program lists them (scene/words.cpp), each in its own name.
  const languages = [
    ["id", "Bahasa Indonesia"], ["de", "Deutsch"], ["es", "Espa\u00f1ol"], ["fr", "Fran\u00e7ais"],
    ["pt_BR", "Portugu\u00eas (Brasil)"], ["en", "English"],
  ];
  const pseudoLanguage = "pseudo";
  const languageKey = "orbelune.language";
  // The language a name means ("de", "de-AT", "pt-br", "fr_FR.UTF-8"); "" where none.
  function matchLanguage(name) {
    const one = String(name || "").toLowerCase().split(/[.@]/)[0].replace(/-/g, "_");
    if (one === pseudoLanguage) return one;
    // (No destructuring in for-of: this emscripten's minifier loses it.)
    for (const l of languages) if (l[0].toLowerCase() === one) return l[0];
    const base = one.split("_")[0];
    for (const l of languages) if (l[0].toLowerCase().split("_")[0] === base) return l[0];
    return "";
  }
  // ?lang= first, then the one chosen last in the Language menu, then the browser's.
  function startLanguage() {
    const wanted = [];
    if (typeof location !== "undefined") wanted.push(new URLSearchParams(location.search).get("lang"));
    try {
      wanted.push(window.localStorage.getItem(languageKey));
    } catch (err) {
      // No storage here: the browser's languages decide.
    }
    if (typeof navigator !== "undefined") wanted.push(...(navigator.languages || [navigator.language]));
    for (const w of wanted) {
      const code = w ? matchLanguage(w) : "";
      if (code) return code;
    }
    return "en";
  }
  // The page's own texts go through the catalogue as the program's do (lupdate finds them).
  function qsTranslate(context, source) {
    if (O.language === pseudoLanguage)
      return "[" + source + "~".repeat(Math.ceil(Array.from(source).length * 0.4)) + "]";
    const t = O.words && O.words[context + "\u0004" + source];
    return t || source;
  }
  O.tr = qsTranslate;
  // Fetches a language's translations; English and the pseudo-language have none to fetch.
  function loadWords(code) {
    if (code === "en" || code === pseudoLanguage || typeof fetch === "undefined")
      return Promise.resolve(null);
    return fetch("l10n/" + code + ".json").then((r) => (r.ok ? r.json() : null), () => null);
  }
  function useWords(code, words) {
    O.language = code;
    O.words = words;
    O.wordsCode = words ? code : "";
  }
  // The page's fixed texts, and its lang attribute, in the language shown.
  O.translatePage = function () {
    if (typeof document === "undefined") return;
    document.documentElement.lang = O.language === pseudoLanguage ? "en" : O.language.replace("_", "-");
    const set = (sel, text) => {
      const e = document.querySelector(sel);
      if (e) e.textContent = text;
    };
    const start = document.getElementById("start");
    if (start && !start.disabled) start.textContent = qsTranslate("Browser", "Click to start");
    if (start && start.disabled) start.textContent = qsTranslate("Browser", "Loading\u2026");
    const failed = document.querySelectorAll("#failed p");
    if (failed.length === 2) {
      const span = failed[0].querySelector("span");
      failed[0].textContent = qsTranslate("Browser", "The lessons could not start here: ");
      failed[0].appendChild(span);
      failed[1].textContent = qsTranslate("Browser", "They need a browser with WebAssembly, and the page opened from a web server (http://), not from a file.");
    }
    set("#ended p", qsTranslate("Browser", "Orbelune has ended."));
    set("#ended button", qsTranslate("Browser", "Start again"));
    set("#msgbox button", qsTranslate("Message box", "OK"));
    for (const m of O.languageMenus) m.title.textContent = qsTranslate("Language menu", "&Language").replace(/&/g, "");
  };
  O.language = startLanguage();
  // Which keys the page uses where the browser keeps the desktop's shortcut for itself.
  const webKeys = { "Ctrl+N": "PageDown", "Ctrl+P": "PageUp" };
  const EV = {
    click: 1, type: 2, keyDown: 3, mouseDown: 4, menu: 5, shortcut: 6, close: 7,
    canvasDown: 8, resize: 9, activate: 10, focus: 11, start: 12, messageOk: 13, zoom: 14,
    pan: 15, seek: 16, language: 17,
  };
  O.EV = EV;
  O.mark = function (t) {
    if (O.measure) O.frames.push(t);
  };

  O.push = function (kind, id, text) {
    O.events.push([kind, id | 0, text == null ? null : String(text)]);
    if (O.wake) {
      const w = O.wake;
      O.wake = null;
      w();
    }
  };

  O.col = (c) => "rgb(" + (c & 255) + "," + ((c >>> 8) & 255) + "," + ((c >>> 16) & 255) + ")";
  O.font = (px, bold, italic) =>
    (italic ? "italic " : "") + (bold ? "bold " : "") + px + "px FreeSans, sans-serif";

  // --- Views -----------------------------------------------------------------------------
  function el(tag, cls, parent) {
    const e = document.createElement(tag);
    if (cls) e.className = cls;
    if (parent) parent.appendChild(e);
    return e;
  }

  O.createView = function (id, maximized, w, h, caption) {
    const v = { id, maximized, caption, links: [], items: [], menus: [], designW: w, designH: h, tab: [] };
    if (maximized) {
      v.root = el("div", "page", document.getElementById("pages"));
      v.menubar = el("nav", "menubar", v.root);
      v.stage = el("div", "stage", v.root);
    } else {
      v.root = el("dialog", "window", document.body);
      const bar = el("div", "titlebar", v.root);
      el("span", "", bar).textContent = caption;
      const close = el("button", "close", bar);
      close.textContent = "\u00d7";
      close.title = qsTranslate("Browser", "Close");
      close.addEventListener("click", () => O.push(EV.close, id));
      v.root.addEventListener("cancel", (e) => {
        e.preventDefault();
        O.push(EV.close, id);
      });
      // A dialog opened without being modal gets no cancel event from Escape in every browser.
      v.root.addEventListener("keydown", (e) => {
        if (e.key !== "Escape") return;
        e.preventDefault();
        O.push(EV.close, id);
      });
      v.stage = el("div", "stage", v.root);
      v.stage.style.width = w + "px";
      v.stage.style.height = h + "px";
    }
    v.root.hidden = true;
    v.canvas = el("canvas", "scene", v.stage);
    v.ctx = v.canvas.getContext("2d", { alpha: false });
    v.layer = document.createElement("canvas");
    v.layerCtx = v.layer.getContext("2d", { alpha: false });
    v.box = el("div", "controls", v.stage);
    const canvasPoint = (e) => {
      const r = v.canvas.getBoundingClientRect();
      return [e.clientX - r.left, e.clientY - r.top];
    };
    // On a magnified page a drag moves the scene; a press released where it began stays a click.
    let press = null;
    v.canvas.addEventListener("mousedown", (e) => {
      if (e.button !== 0) return;
      const [x, y] = canvasPoint(e);
      if (maximized && O.zoom > 1) {
        press = { x, y, dragging: false };
        return;
      }
      O.push(EV.canvasDown, id, x + " " + y);
    });
    window.addEventListener("mousemove", (e) => {
      if (!press || !(e.buttons & 1)) return;
      const [x, y] = canvasPoint(e);
      if (!press.dragging && Math.abs(x - press.x) + Math.abs(y - press.y) < 4) return;
      press.dragging = true;
      v.canvas.style.cursor = "grabbing";
      O.push(EV.pan, id, x - press.x + " " + (y - press.y));
      press.x = x;
      press.y = y;
    });
    window.addEventListener("mouseup", (e) => {
      if (!press || e.button !== 0) return;
      const click = !press.dragging;
      press = null;
      v.canvas.style.cursor = "";
      if (click) {
        const [x, y] = canvasPoint(e);
        O.push(EV.canvasDown, id, x + " " + y);
      }
    });
    if (maximized) {
      // Ctrl with the wheel, and a touchpad's pinch (which arrives so), magnify the scene, not
      // the page; so does a pinch of two fingers on a touch screen.
      v.stage.addEventListener(
        "wheel",
        (e) => {
          if (!e.ctrlKey) return;
          e.preventDefault();
          const [x, y] = canvasPoint(e);
          const unit = e.deltaMode === 1 ? 40 : e.deltaMode === 2 ? 800 : 1;
          const ratio = Math.pow(1.25, -(e.deltaY * unit) / 100);
          if (ratio !== 1) O.push(EV.zoom, id, ratio + " " + x + " " + y);
        },
        { passive: false }
      );
      let pinch = null;
      const spread = (t) => Math.hypot(t[0].clientX - t[1].clientX, t[0].clientY - t[1].clientY);
      v.stage.addEventListener(
        "touchmove",
        (e) => {
          if (e.touches.length !== 2) return (pinch = null);
          e.preventDefault();
          const d = spread(e.touches);
          const mid = { clientX: (e.touches[0].clientX + e.touches[1].clientX) / 2, clientY: (e.touches[0].clientY + e.touches[1].clientY) / 2 };
          const [x, y] = canvasPoint(mid);
          if (pinch && pinch.d > 0) {
            O.push(EV.zoom, id, d / pinch.d + " " + x + " " + y);
            if (O.zoom > 1) O.push(EV.pan, id, x - pinch.x + " " + (y - pinch.y));
          }
          pinch = { d, x, y };
        },
        { passive: false }
      );
      v.stage.addEventListener("touchend", () => (pinch = null));
    }
    v.canvas.addEventListener("mousemove", (e) => {
      if (press && press.dragging) return;
      const [x, y] = canvasPoint(e);
      const on = v.links.some((l) => x >= l[0] && x < l[0] + l[2] && y >= l[1] && y < l[1] + l[3]);
      v.canvas.style.cursor = on ? O.linkCursor || "pointer" : "";
    });
    v.root.addEventListener("mousedown", () => {
      if (O.active !== id) O.push(EV.activate, id);
    });
    O.views.set(id, v);
  };

  // A small window (the About box) as large as the pages' text on this screen: the pages are
  // laid out for one of 800 x 600.
  const dialogScale = () => Math.max(1, Math.min(window.innerWidth / 800, window.innerHeight / 600));
  function sizeDialog(v) {
    const s = dialogScale();
    v.stage.style.width = v.designW * s + "px";
    v.stage.style.height = v.designH * s + "px";
  }
  // The scale a page of the program shows its scene at, fitted and not magnified.
  function pageScale() {
    const v = O.views.get(O.active);
    if (!v || !v.maximized) return dialogScale();
    const w = v.stage.clientWidth, h = v.stage.clientHeight;
    if (!w || !h || !v.designW || !v.designH) return 1;
    return Math.max(1, Math.min(w / v.designW, h / v.designH));
  }

  O.showView = function (id, visible) {
    const v = O.views.get(id);
    if (!v) return;
    v.root.hidden = !visible;
    if (!visible) {
      // A hidden page keeps its segments in the program, not two window-sized images of them:
      // walking through a course would otherwise hold a pair per page passed.
      v.canvas.width = v.canvas.height = 0;
      v.layer.width = v.layer.height = 0;
    }
    if (!v.maximized) {
      if (visible) sizeDialog(v);
      if (visible && !v.root.open) v.root.show();
      if (!visible && v.root.open) v.root.close();
    }
  };

  O.activateView = function (id, caption) {
    const v = O.views.get(id);
    if (!v) return;
    O.active = id;
    // The page's title, then the program's, so that a tab among others says what it shows.
    document.title = caption + " \u2013 Orbelune";
    if (!O.waiting) document.getElementById("overlay").hidden = true;  // pressed while loading
    if (v.maximized) v.root.parentNode.appendChild(v.root);  // above the other pages
  };

  O.viewSize = function (id) {
    const v = O.views.get(id);
    const dpr = v.picture ? 1 : window.devicePixelRatio || 1;
    const w = Math.max(1, v.stage.clientWidth), h = Math.max(1, v.stage.clientHeight);
    const pw = Math.max(1, Math.round(w * dpr)), ph = Math.max(1, Math.round(h * dpr));
    if (v.canvas.width !== pw || v.canvas.height !== ph) {
      v.canvas.width = pw;
      v.canvas.height = ph;
      v.canvas.style.width = w + "px";
      v.canvas.style.height = h + "px";
    }
    return [w, h, dpr];
  };

  O.end = function () {
    O.ended = true;
    O.messageClose();  // a lesson's box may still be open when Exit comes over it
    for (const v of O.views.values()) {
      if (!v.root) continue;  // a picture's view, never shown
      v.root.hidden = true;
      if (v.root.open) v.root.close();
    }
    document.title = "Orbelune";
    document.getElementById("ended").hidden = false;
  };

  O.openUrl = function (url) {
    O.urls.push(url);
    const a = document.createElement("a");
    a.href = url;
    a.rel = "noopener";
    document.body.appendChild(a);
    a.click();
    a.remove();
    return true;
  };

  // --- Menus -----------------------------------------------------------------------------
  const plain = (caption) => caption.replace(/&&/g, "\u0000").replace(/&/g, "").replace(/\u0000/g, "&");

  function closeMenus(except) {
    for (const v of O.views.values())
      for (const m of v.menus) if (m !== except) m.list.hidden = true, m.title.setAttribute("aria-expanded", "false");
  }
  document.addEventListener("mousedown", (e) => {
    if (!e.target.closest || !e.target.closest(".menu")) closeMenus(null);
  });

  // The menu bar as its roles promise: one Tab stop, Left and Right between the menus, Down,
  // Up, Enter or Space into one, Up and Down within it, Escape back to its title.
  function addMenu(v, caption) {
    if (!v.menuRow) {
      v.menuRow = el("div", "menurow", v.menubar);
      v.menuRow.setAttribute("role", "menubar");
    }
    const m = { wrap: el("div", "menu", v.menuRow) };
    m.wrap.setAttribute("role", "none");
    m.title = el("button", "menutitle", m.wrap);
    m.title.textContent = plain(caption);
    m.title.setAttribute("role", "menuitem");
    m.title.setAttribute("aria-haspopup", "menu");
    m.title.setAttribute("aria-expanded", "false");
    m.title.tabIndex = v.menus.length ? -1 : 0;
    m.list = el("div", "menulist", m.wrap);
    m.list.setAttribute("role", "menu");
    m.list.hidden = true;
    const items = () => Array.from(m.list.querySelectorAll("button:not([disabled])"));
    const open = (focus) => {
      closeMenus(m);
      m.list.hidden = false;
      m.title.setAttribute("aria-expanded", "true");
      const all = items();
      if (focus && all.length) all[focus > 0 ? 0 : all.length - 1].focus();
    };
    m.open = open;
    // Another menu of the bar, by a step: its title takes the focus, or it opens if one was open.
    const step = (by, opening) => {
      const i = v.menus.indexOf(m), n = v.menus.length;
      const next = v.menus[(i + by + n) % n];
      closeMenus(null);
      next.title.focus();
      if (opening) next.open(1);
    };
    m.title.addEventListener("focus", () => {
      for (const o of v.menus) o.title.tabIndex = o === m ? 0 : -1;
    });
    m.title.addEventListener("click", () => (m.list.hidden ? open(0) : closeMenus(null)));
    m.title.addEventListener("keydown", (e) => {
      if (e.key === "ArrowDown" || e.key === "Enter" || e.key === " ") open(1);
      else if (e.key === "ArrowUp") open(-1);
      else if (e.key === "ArrowRight" || e.key === "ArrowLeft") step(e.key === "ArrowRight" ? 1 : -1, !m.list.hidden);
      else if (e.key === "Home" || e.key === "End") v.menus[e.key === "Home" ? 0 : v.menus.length - 1].title.focus();
      else if (e.key === "Escape" && !m.list.hidden) closeMenus(null);
      else return;
      e.preventDefault();
    });
    m.list.addEventListener("keydown", (e) => {
      const all = items();
      const i = all.indexOf(document.activeElement);
      const n = all.length;
      if (e.key === "ArrowDown" || e.key === "ArrowUp") {
        if (n) all[(i + (e.key === "ArrowDown" ? 1 : n - 1) + n) % n].focus();
      } else if (e.key === "Home" || e.key === "End") {
        if (n) all[e.key === "Home" ? 0 : n - 1].focus();
      } else if (e.key === "ArrowRight" || e.key === "ArrowLeft") {
        step(e.key === "ArrowRight" ? 1 : -1, true);
      } else if (e.key === "Escape") {
        closeMenus(null);
        m.title.focus();
      } else {
        // Tab leaves the bar: the open menu goes with it.
        if (e.key === "Tab") closeMenus(null);
        return;
      }
      e.preventDefault();
    });
    v.menus.push(m);
    if (!v.badge) {
      // The playback's state at the bar's right-hand end, as on the desktop.
      v.badge = el("span", "badge", v.menubar);
      v.badge.setAttribute("aria-live", "polite");
      v.badge.textContent = O.badgeText;
    }
    return m;
  }

  O.menuItem = function (viewId, itemId, level, caption, shortcut, others, enabled) {
    const v = O.views.get(viewId);
    if (!v || !v.menubar) return;
    if (level === 0) {
      O.menuTitles.set(itemId, addMenu(v, caption));
      return;
    }
    const m = v.menus.length ? v.menus[v.menus.length - 1] : addMenu(v, qsTranslate("Navigation", "&Navigation"));
    const b = el("button", "menuitem", m.list);
    b.setAttribute("role", "menuitem");
    b.tabIndex = -1;  // reached by the arrows of its open menu
    const label = el("span", "caption", b);
    label.textContent = plain(caption);
    const keys = webKeys[shortcut] || shortcut;
    el("span", "keys", b).textContent = keys;
    b.disabled = !enabled;
    b.addEventListener("click", () => {
      closeMenus(null);
      if (O.timelineWake) O.timelineWake(shortcut);
      O.push(EV.menu, itemId);
    });
    const item = { button: b, label, shortcut, keys, others, enabled: !!enabled };
    v.items.push(item);
    O.menuItems.set(itemId, item);
  };

  O.menuTitle = function (itemId, caption) {
    const m = O.menuTitles.get(itemId);
    if (m) m.title.textContent = plain(caption);
  };

  // Each language in its own name; choosing one fetches its words, then the program restarts
  // the page shown in it, and the choice is kept for the next visit.
  O.languageMenu = function (viewId) {
    const v = O.views.get(viewId);
    if (!v || !v.menubar) return;
    const m = addMenu(v, qsTranslate("Language menu", "&Language"));
    m.languages = [];
    for (const l of languages) {
      const code = l[0], name = l[1];
      const b = el("button", "menuitem", m.list);
      b.setAttribute("role", "menuitemradio");
      b.tabIndex = -1;
      b.setAttribute("lang", code.replace("_", "-"));
      el("span", "caption", b).textContent = name;
      el("span", "keys", b);
      b.setAttribute("aria-checked", code === O.language ? "true" : "false");
      b.addEventListener("click", () => {
        closeMenus(null);
        O.chooseLanguage(code);
      });
      m.languages.push([code, b]);
    }
    O.languageMenus.push(m);
  };
  O.chooseLanguage = function (code) {
    if (code === O.language) return;
    try {
      window.localStorage.setItem(languageKey, code);
    } catch (err) {
      // Storage refused (a private window): the choice holds for this visit only.
    }
    // An address that names a language names the one chosen now, so that reload and a copied
    // address keep it.
    if (new URLSearchParams(location.search).has("lang")) {
      const there = new URL(location.href);
      there.searchParams.set("lang", code);
      history.replaceState(history.state, "", there);
    }
    loadWords(code).then((words) => {
      useWords(code, words);
      O.push(EV.language, 0, code);
    });
  };
  O.languageChanged = function (code) {
    if (code !== O.language) useWords(code, null);
    for (const m of O.languageMenus)
      for (const l of m.languages) l[1].setAttribute("aria-checked", l[0] === code ? "true" : "false");
    O.translatePage();
  };

  O.menuState = function (itemId, enabled, caption) {
    const item = O.menuItems.get(itemId);
    if (!item) return;
    item.enabled = !!enabled;
    item.button.disabled = !enabled;
    item.label.textContent = plain(caption);
  };

  O.menuCheck = function (itemId, checked) {
    const item = O.menuItems.get(itemId);
    if (!item) return;
    item.button.setAttribute("role", "menuitemcheckbox");
    item.button.setAttribute("aria-checked", checked ? "true" : "false");
  };

  // Projector Colours, kept for the next visit where the browser lets the page keep anything.
  const projectorKey = "orbelune.projectorColours";
  O.projectorRemembered = function () {
    try {
      return window.localStorage.getItem(projectorKey) === "1";
    } catch (err) {
      return false;
    }
  };
  O.rememberProjector = function (on) {
    try {
      window.localStorage.setItem(projectorKey, on ? "1" : "0");
    } catch (err) {
      // Storage refused (a private window): the choice holds for this visit only.
    }
  };

  O.badgeText = "";
  O.badge = function (text) {
    O.badgeText = text;
    for (const v of O.views.values()) if (v.badge) v.badge.textContent = text;
  };

  // A key as the menus name it: "Ctrl+N", "Ctrl+Shift+C", "Ctrl++", "F11", "PageDown"; null
  // for keys that are typing (no Ctrl, and not a function or paging key).
  function keyName(e) {
    if (e.altKey || e.metaKey) return null;
    let k = e.key;
    if (k === " " || k === "Spacebar") k = "Space";
    else if (k.length === 1) k = k.toUpperCase();
    else if (/^Arrow(Up|Down|Left|Right)$/.test(k)) k = k.slice(5);
    const letter = /^[A-Z]$/.test(k), named = k.length > 1;
    if (!e.ctrlKey && !/^(F[0-9]+|PageDown|PageUp|Pause)$/.test(k)) return null;
    // A shifted punctuation key is its own character ("+"), so Shift is named only for
    // letters and named keys.
    return (e.ctrlKey ? "Ctrl+" : "") + (e.shiftKey && (letter || named) ? "Shift+" : "") + k;
  }

  O.fullScreen = function () {
    const d = document;
    const failed = (err) => O.notice(qsTranslate("Browser", "Full screen is not available here") + (err && err.message ? ": " + err.message : "."));
    try {
      if (d.fullscreenElement) d.exitFullscreen().catch(() => {});
      else if (d.documentElement.requestFullscreen) d.documentElement.requestFullscreen().catch(failed);
      else failed();
    } catch (err) {
      failed(err);
    }
  };

  // A short note at the foot of the page, for what the browser did not let the page do.
  let noticeTimer = 0;
  O.notice = function (text) {
    const n = document.getElementById("notice");
    if (!n) return;
    n.textContent = text;
    n.hidden = false;
    clearTimeout(noticeTimer);
    noticeTimer = setTimeout(() => (n.hidden = true), 4000);
  };

  // The menu's shortcuts win over a focused text box, as on the desktop.
  document.addEventListener(
    "keydown",
    (e) => {
      // Behind "Click to start" the keys are the button's: Enter and Space press it.
      if (O.ended || O.waiting) return;
      const v = O.views.get(O.active);
      if (!v) return;
      if (e.key === "F10" && v.menus.length) {
        e.preventDefault();
        v.menus[0].title.focus();
        return;
      }
      const keys = keyName(e);
      if (!keys) return;
      const item = v.items.find((it) => it.keys === keys || it.shortcut === keys || it.others.includes(keys));
      if (!item) return;
      e.preventDefault();
      e.stopPropagation();
      closeMenus(null);
      if (O.timelineWake) O.timelineWake(item.shortcut);
      O.push(EV.shortcut, v.id, item.shortcut);
    },
    true
  );

  window.addEventListener("resize", () => {
    for (const v of O.views.values()) if (v.root && !v.maximized && !v.root.hidden) sizeDialog(v);
    O.push(EV.resize, 0);
  });
  // Ctrl with the wheel magnifies the scene where a page shows one; nowhere the whole page.
  window.addEventListener("wheel", (e) => e.ctrlKey && e.preventDefault(), { passive: false });
  for (const g of ["gesturestart", "gesturechange"]) document.addEventListener(g, (e) => e.preventDefault());

  // --- Drawing ---------------------------------------------------------------------------
  O.segmentsReset = function (id, pw, ph, dpr, back) {
    const v = O.views.get(id);
    if (v.layer.width !== pw || v.layer.height !== ph) {
      v.layer.width = pw;
      v.layer.height = ph;
    }
    const c = v.layerCtx;
    c.setTransform(1, 0, 0, 1, 0, 0);
    c.fillStyle = O.col(back);
    c.fillRect(0, 0, pw, ph);
    c.setTransform(dpr, 0, 0, dpr, 0, 0);
    c.lineCap = "round";
    c.setLineDash([]);
  };

  O.segmentsDraw = function (id, ptr, count, k, ox, oy, width) {
    const c = O.views.get(id).layerCtx;
    const f = HEAPF32, u = HEAPU32;
    c.lineWidth = width;
    let colour = -1, open = false;
    const dots = [];
    const flush = () => {
      if (open) c.stroke();
      open = false;
      for (let d = 0; d < dots.length; d += 2) {
        c.beginPath();
        c.arc(dots[d], dots[d + 1], width / 2, 0, 2 * Math.PI);
        c.fill();
      }
      dots.length = 0;
    };
    let i = ptr >> 2;
    for (let n = 0; n < count; ++n, i += 5) {
      const col = u[i + 4] & 0xffffff;
      if (col !== colour) {
        flush();
        colour = col;
        c.strokeStyle = c.fillStyle = O.col(col);
      }
      const x1 = ox + f[i] * k, y1 = oy + f[i + 1] * k, x2 = ox + f[i + 2] * k, y2 = oy + f[i + 3] * k;
      if (x1 === x2 && y1 === y2) {
        dots.push(x1, y1);
        continue;
      }
      if (!open) {
        c.beginPath();
        open = true;
      }
      c.moveTo(x1, y1);
      c.lineTo(x2, y2);
    }
    flush();
  };

  O.begin = function (id) {
    const v = O.views.get(id);
    const c = v.ctx;
    O.ctx = c;
    O.view = v;
    if (!O.firstFrame) O.firstFrame = performance.now();
    c.setTransform(1, 0, 0, 1, 0, 0);
    c.drawImage(v.layer, 0, 0);
    const dpr = v.canvas.width / Math.max(1, v.stage.clientWidth);
    c.setTransform(dpr, 0, 0, dpr, 0, 0);
  };

  const dashes = { 2: [4, 2], 3: [1, 2], 4: [4, 2, 1, 2], 5: [4, 2, 1, 2, 1, 2] };
  function dash(c, style, width) {
    const d = dashes[style];
    c.setLineDash(d ? d.map((x) => x * width) : []);
  }

  O.fillRect = function (x, y, w, h, color) {
    O.ctx.fillStyle = O.col(color);
    O.ctx.fillRect(x, y, w, h);
  };
  O.clip = function (x, y, w, h) {
    O.ctx.save();
    O.ctx.beginPath();
    O.ctx.rect(x, y, w, h);
    O.ctx.clip();
  };
  O.unclip = () => O.ctx.restore();

  O.line = function (x1, y1, x2, y2, color, width, style) {
    if (style === 0) return;
    const c = O.ctx;
    c.strokeStyle = O.col(color);
    c.lineWidth = width;
    c.lineCap = "butt";
    dash(c, style, width);
    c.beginPath();
    c.moveTo(x1, y1);
    c.lineTo(x2, y2);
    c.stroke();
    c.setLineDash([]);
  };

  O.shape = function (kind, x, y, w, h, fill, fillColor, style, borderColor, width) {
    const c = O.ctx;
    c.beginPath();
    if (kind === 1) c.ellipse(x + w / 2, y + h / 2, Math.max(0, w / 2), Math.max(0, h / 2), 0, 0, 2 * Math.PI);
    else if (kind === 2 && c.roundRect) c.roundRect(x, y, w, h, Math.min(w, h) / 6);
    else c.rect(x, y, w, h);
    if (fill >= 0) {
      c.fillStyle = O.col(fillColor);
      c.fill();
    }
    if (style !== 0) {
      c.strokeStyle = O.col(borderColor);
      c.lineWidth = width;
      dash(c, style, width);
      c.stroke();
      c.setLineDash([]);
    }
  };

  const widths = new Map();
  function measure(c, font, ch) {
    const key = font + "\u0001" + ch;
    let w = widths.get(key);
    if (w === undefined) {
      w = c.measureText(ch).width;
      widths.set(key, w);
    }
    return w;
  }

  O.text = function (chars, xs, cells, count, baseline, px, bold, italic, color) {
    const c = O.ctx;
    const font = O.font(px, bold, italic);
    c.font = font;
    c.fillStyle = O.col(color);
    for (let i = 0; i < count; ++i) {
      const cp = HEAPU32[(chars >> 2) + i];
      if (cp === 32) continue;
      const ch = String.fromCodePoint(cp);
      const x = HEAPF64[(xs >> 3) + i], cell = HEAPF64[(cells >> 3) + i];
      const own = measure(c, font, ch);
      if (own > cell * 1.02 && own > 0) {
        // The bundled face is wider here than the layout's cell: narrow the glyph to fit.
        c.save();
        c.translate(x, baseline);
        c.scale(cell / own, 1);
        c.fillText(ch, 0, 0);
        c.restore();
      } else {
        c.fillText(ch, x, baseline);
      }
    }
  };

  O.frameRect = function (x, y, w, h, width) {
    const c = O.ctx;
    c.strokeStyle = "#000";
    c.lineWidth = width;
    c.strokeRect(x + width / 2, y + width / 2, w - width, h - width);
  };

  O.pointer = function (x, y, scale) {
    const c = O.ctx, k = Math.max(1, scale);
    c.save();
    c.translate(x, y);
    c.scale(k, k);
    c.beginPath();
    const pts = [0, 0, 0, 16, 4, 12, 7, 19, 9, 18, 6, 11, 11, 11];
    c.moveTo(pts[0], pts[1]);
    for (let i = 2; i < pts.length; i += 2) c.lineTo(pts[i], pts[i + 1]);
    c.closePath();
    c.fillStyle = "#fff";
    c.fill();
    c.lineWidth = 1.2 / k;
    c.strokeStyle = "#000";
    c.stroke();
    c.restore();
  };

  let measurer = null;
  function measureCtx() {
    if (!measurer) measurer = document.createElement("canvas").getContext("2d");
    return measurer;
  }
  O.advance = function (cp, px, bold, italic) {
    const c = measureCtx();
    const font = O.font(px, bold, italic);
    c.font = font;
    return measure(c, font, String.fromCodePoint(cp));
  };
  O.fontMetrics = function (px, bold, italic) {
    const c = measureCtx();
    c.font = O.font(px, bold, italic);
    const m = c.measureText("Hg");
    const ascent = m.fontBoundingBoxAscent || px * 0.9, descent = m.fontBoundingBoxDescent || px * 0.2;
    return [ascent + descent, ascent];
  };

  // --- Controls as page elements -----------------------------------------------------------
  function makeControl(v, id, kind) {
    let e;
    if (kind === 1) {
      e = el("input", "textbox", v.box);
      e.type = "text";
      e.spellcheck = false;
      e.addEventListener("input", () => O.push(EV.type, id, e.value));
    } else if (kind === 2) {
      e = el("label", "checkbox", v.box);
      e.input = el("input", "", e);
      e.input.type = "checkbox";
      e.caption = el("span", "", e);
      // The program decides whether the box is ticked.
      e.addEventListener("click", (ev) => {
        ev.preventDefault();
        if (!e.input.disabled) O.push(EV.click, id);
      });
    } else {
      e = el("button", "button", v.box);
      e.addEventListener("mousedown", (ev) => {
        if (ev.button === 0) O.push(EV.mouseDown, id);
      });
      e.addEventListener("click", () => O.push(EV.click, id));
      e.addEventListener("keydown", (ev) => O.push(EV.keyDown, id, ev.keyCode));
    }
    e.dataset.control = O.names.get(id) || "";
    // Tab goes in screen order; a control off the page only takes the focus the lesson gives.
    const rank = v.tab.indexOf(id);
    (e.input || e).tabIndex = rank < 0 ? -1 : 0;
    e.rank = rank < 0 ? v.tab.length : rank;
    for (const other of v.box.children)
      if (other !== e && other.rank > e.rank) {
        v.box.insertBefore(e, other);
        break;
      }
    // The user's own focus moves (a click, Tab) reach the program; its own do not come back.
    (e.input || e).addEventListener("focus", () => {
      if (!O.focusing) O.push(EV.focus, id);
    });
    O.controls.set(id, e);
    return e;
  }

  O.control = function (viewId, id, kind, x, y, w, h, visible, enabled, text, value, px, bold, italic, back, fore, align, style, scale) {
    const v = O.views.get(viewId);
    const e = O.controls.get(id) || makeControl(v, id, kind);
    const s = e.style;
    s.left = x + "px";
    s.top = y + "px";
    s.width = Math.max(0, w) + "px";
    s.height = Math.max(0, h) + "px";
    e.hidden = !visible;
    s.font = O.font(px, bold, italic);
    // The focus ring's width, scaled with the scene (orbelune.css).
    s.setProperty("--ring", Math.max(2, 2 * scale) + "px");
    s.setProperty("--ring-in", Math.max(1, scale) + "px");
    e.look = { px, bold, italic, kind };
    if (kind === 1) {
      e.disabled = !enabled;
      s.background = O.col(back);
      s.color = O.col(fore);
      s.textAlign = align === 2 ? "center" : align === 1 ? "right" : "left";
      if (text !== null && e.value !== text) e.value = text;
    } else if (kind === 2) {
      e.input.disabled = !enabled;
      e.classList.toggle("disabled", !enabled);
      s.background = O.col(back);
      s.color = O.col(fore);
      e.input.checked = value !== 0;
      e.classList.toggle("greyed", value === 2);
      if (text !== null) e.caption.textContent = text;
      // The desktop's box: a 13-pixel square at scale 1, its caption 4 pixels beyond it, if room.
      const side = Math.max(1, Math.min(13 * scale, w, h));
      e.input.style.width = e.input.style.height = side + "px";
      s.gap = 4 * scale + "px";
      e.caption.hidden = side + 4 * scale >= w;
    } else {
      e.disabled = !enabled;
      s.background = O.col(back);
      s.color = O.col(fore);
      s.borderWidth = Math.max(1, scale) + "px";
      if (text !== null) e.textContent = text;
    }
  };

  O.tabOrder = function (viewId, ids) {
    const v = O.views.get(viewId);
    if (v) v.tab = ids;
  };

  O.focus = function (id, sel) {
    if (O.waiting) {
      // "Click to start" keeps the focus; the lesson's focus follows once it is pressed.
      O.pendingFocus = [id, sel];
      return;
    }
    const e = O.controls.get(id);
    if (!e || e.hidden || O.modal) return;
    const target = e.input || e;
    // The user put the focus there already: their caret stays where they put it.
    if (document.activeElement === target) return;
    O.focusing = true;
    try {
      target.focus({ preventScroll: true });
    } finally {
      O.focusing = false;
    }
    if (target.type === "text") {
      const at = Math.max(0, Math.min(sel, target.value.length));
      target.setSelectionRange(at, at);
    }
  };

  // --- Pictures of a scene ---------------------------------------------------------------
  O.pictureView = function (id, w, h) {
    let v = O.views.get(id);
    if (!v) {
      v = { id, picture: true, links: [], items: [], menus: [], stage: { clientWidth: w, clientHeight: h } };
      v.canvas = document.createElement("canvas");
      v.ctx = v.canvas.getContext("2d", { alpha: false });
      v.layer = document.createElement("canvas");
      v.layerCtx = v.layer.getContext("2d", { alpha: false });
      O.views.set(id, v);
    }
    v.stage.clientWidth = w;
    v.stage.clientHeight = h;
  };

  // A page element as the desktop draws its widget, in the shown stage's CSS px.
  function drawControl(c, e) {
    const s = e.style, look = e.look;
    const x = parseFloat(s.left), y = parseFloat(s.top), w = parseFloat(s.width), h = parseFloat(s.height);
    if (!look || !(w > 0 && h > 0)) return;
    c.save();
    c.beginPath();
    c.rect(x, y, w, h);
    c.clip();
    c.fillStyle = s.backgroundColor || "#fff";
    c.fillRect(x, y, w, h);
    c.font = O.font(look.px, look.bold, look.italic);
    c.textBaseline = "middle";
    const edge = (tl, br) => {
      c.fillStyle = tl;
      c.fillRect(x, y, w, 1);
      c.fillRect(x, y, 1, h);
      c.fillStyle = br;
      c.fillRect(x, y + h - 1, w, 1);
      c.fillRect(x + w - 1, y, 1, h);
    };
    if (look.kind === 1) {
      edge("#808080", "#fff");
      c.fillStyle = s.color || "#000";
      const align = s.textAlign || "left";
      c.textAlign = align;
      c.fillText(e.value, align === "center" ? x + w / 2 : align === "right" ? x + w - 3 : x + 3, y + h / 2);
    } else if (look.kind === 2) {
      const side = parseFloat(e.input.style.width) || 13;
      const by = y + (h - side) / 2;
      c.fillStyle = e.input.disabled || e.classList.contains("greyed") ? "#c0c0c0" : "#fff";
      c.fillRect(x, by, side, side);
      c.strokeStyle = "#404040";
      c.lineWidth = 1;
      c.strokeRect(x + 0.5, by + 0.5, side - 1, side - 1);
      if (e.input.checked) {
        c.lineWidth = Math.max(1.5, side / 7);
        c.beginPath();
        c.moveTo(x + side * 0.2, by + side * 0.5);
        c.lineTo(x + side * 0.42, by + side * 0.75);
        c.lineTo(x + side * 0.8, by + side * 0.25);
        c.strokeStyle = "#000";
        c.stroke();
      }
      if (!e.caption.hidden) {
        c.fillStyle = e.input.disabled ? "#808080" : s.color || "#000";
        c.fillText(e.caption.textContent, x + side + (parseFloat(s.gap) || 4), y + h / 2);
      }
    } else {
      edge("#fff", "#404040");
      c.fillStyle = e.disabled ? "#808080" : "#000";
      c.textAlign = "center";
      c.fillText(e.textContent, x + w / 2, y + h / 2);
    }
    c.restore();
  }

  O.pictures = [];  // what was saved or copied: { name, width, height, copied }
  O.pictureDone = function (id, shownId, copy, name) {
    const p = O.views.get(id), v = O.views.get(shownId);
    if (!p || !v) return;
    const c = p.ctx;
    const k = p.canvas.width / Math.max(1, v.stage.clientWidth);
    c.setTransform(k, 0, 0, k, 0, 0);
    for (const e of v.box.children) if (!e.hidden) drawControl(c, e);
    const width = p.canvas.width, height = p.canvas.height;
    const blob = new Promise((resolve, reject) =>
      p.canvas.toBlob((b) => {
        // Let the large images go once the picture is encoded.
        p.canvas.width = p.canvas.height = p.layer.width = p.layer.height = 0;
        if (b) resolve(b);
        else reject(new Error(qsTranslate("Browser", "the picture could not be encoded")));
      }, "image/png")
    );
    const file = name.replace(/[\\/]/g, "-") + ".png";  // the browser makes the rest fit
    if (!copy) {
      blob.then(
        (b) => {
          const a = document.createElement("a");
          a.href = URL.createObjectURL(b);
          a.download = file;
          document.body.appendChild(a);
          a.click();
          a.remove();
          setTimeout(() => URL.revokeObjectURL(a.href), 60000);
          O.pictures.push({ name: file, width, height, copied: false });
        },
        (err) => O.notice(qsTranslate("Browser", "The picture could not be saved: ") + err.message)
      );
      return;
    }
    if (!navigator.clipboard || !navigator.clipboard.write || typeof ClipboardItem === "undefined") {
      blob.catch(() => {});
      O.notice(qsTranslate("Browser", "The picture could not be copied: this browser gives the page no clipboard here."));
      return;
    }
    // The item takes the promise, so the copy keeps the command's user activation.
    navigator.clipboard.write([new ClipboardItem({ "image/png": blob })]).then(
      () => {
        O.pictures.push({ name: file, width, height, copied: true });
        O.notice(qsTranslate("Browser", "Picture copied"));
      },
      (err) => O.notice(qsTranslate("Browser", "The picture could not be copied: ") + err.message)
    );
  };

  // --- Dialogs and sound -------------------------------------------------------------------
  // The message box is not modal: the page's menus and shortcuts stay usable while it is open
  // (a leaving command closes it through the program); Space and Enter press OK, Escape too.
  O.messageOpen = function (text) {
    const d = document.getElementById("msgbox");
    d.querySelector("p").textContent = text;
    // As large as the page's own text of the same size, so that the class reads it.
    d.style.fontSize = 13 * pageScale() + "px";
    if (!d.dataset.wired) {
      d.dataset.wired = "1";
      // The user's answer (OK, Escape). Closing comes as a later event: by then the program may
      // have closed this box itself, or opened the next one, which no earlier close answers.
      d.addEventListener("close", () => {
        if (d.open || !O.modal) return;
        O.modal = 0;
        O.push(EV.messageOk, 0);
      });
      d.addEventListener("keydown", (e) => {
        if (e.key !== "Escape") return;
        e.preventDefault();
        d.close();
      });
    }
    O.modal = 1;
    if (!d.open) d.show();
    d.querySelector("button").focus();
  };
  O.messageClose = function () {
    const d = document.getElementById("msgbox");
    O.modal = 0;  // first: the program's closing is no answer
    if (d.open) d.close();
  };

  O.sampleRate = () => (O.audio && O.audio.state === "running" ? O.audio.sampleRate : 0);
  O.tone = function (ptr, count, rate) {
    if (!O.audio || O.audio.state !== "running" || count <= 0 || rate !== O.audio.sampleRate) return;
    const buf = O.audio.createBuffer(1, count, rate);
    const data = buf.getChannelData(0);
    for (let i = 0; i < count; ++i) data[i] = HEAP16[(ptr >> 1) + i] / 32768;
    const src = O.audio.createBufferSource();
    src.buffer = buf;
    src.connect(O.audio.destination);
    src.start();
  };

  O.linkCursor = null;
  O.setLinkCursor = function (rgba, size, hx, hy) {
    const c = document.createElement("canvas");
    c.width = c.height = size;
    c.getContext("2d").putImageData(new ImageData(new Uint8ClampedArray(rgba.buffer), size, size), 0, 0);
    O.linkCursor = "url(" + c.toDataURL() + ") " + hx + " " + hy + ", pointer";
  };
  O.start = function () {
    if (!O.waiting) return;
    O.waiting = false;
    // Browsers let a page sound only after a user gesture.
    try {
      O.audio = new (window.AudioContext || window.webkitAudioContext)();
      O.audio.resume();
    } catch (err) {
      O.audio = null;
    }
    O.push(EV.start, 0);
    // Pressed while the program is still loading: the overlay stays, saying so, until the first
    // page is there, so that the student never looks at an empty window.
    if (O.views.has(O.active)) {
      document.getElementById("overlay").hidden = true;
    } else {
      const b = document.getElementById("start");
      b.textContent = qsTranslate("Browser", "Loading\u2026");
      b.disabled = true;
    }
    if (O.pendingFocus) O.focus(O.pendingFocus[0], O.pendingFocus[1]);
    O.pendingFocus = null;
  };
  // Why the page behind "Click to start" is not the one the address named.
  O.startNote = function (text) {
    const n = document.getElementById("startnote");
    if (!O.waiting || !n) return O.notice(text);
    n.textContent = text;
    n.hidden = false;
  };

  O.loadWords = loadWords;
  O.useWords = useWords;
  return O;
})();

// The words of the language chosen first: the program is made in it.
Module.preRun = Module.preRun || [];
Module.preRun.push(function () {
  if (typeof document === "undefined") return;
  addRunDependency("words");
  Orb.loadWords(Orb.language)
    .then((words) => Orb.useWords(Orb.language, words))
    .finally(() => {
      Orb.translatePage();
      removeRunDependency("words");
    });
});

// The bundled faces first, then the program.
Module.preRun = Module.preRun || [];
Module.preRun.push(function () {
  if (typeof document === "undefined" || !document.fonts || typeof FontFace === "undefined") return;
  addRunDependency("fonts");
  const faces = [
    ["FreeSans.woff2", "normal", "normal"],
    ["FreeSansBold.woff2", "bold", "normal"],
    ["FreeSansOblique.woff2", "normal", "italic"],
    ["FreeSansBoldOblique.woff2", "bold", "italic"],
  ].map((f) => new FontFace("FreeSans", "url(fonts/" + f[0] + ")", { weight: f[1], style: f[2] }));
  Promise.all(faces.map((f) => f.load().then((l) => document.fonts.add(l))))
    .catch((err) => console.warn("bundled fonts not loaded: " + err))
    .finally(() => removeRunDependency("fonts"));
});
