// The program's calls to the page (declared in web/bridge.h), handed to Orb of web/page.js.
// The first three suspend the program (Asyncify) until the page resumes it.
mergeInto(LibraryManager.library, {
  web_wait: function (ms) {
    return Asyncify.handleSleep(function (wakeUp) {
      if (Orb.events.length) return wakeUp();
      let timer = 0;
      Orb.wake = function () {
        if (timer) clearTimeout(timer);
        wakeUp();
      };
      if (ms >= 0)
        timer = setTimeout(function () {
          Orb.wake = null;
          wakeUp();
        }, ms);
    });
  },
  web_next_frame: function () {
    return Asyncify.handleSleep(function (wakeUp) {
      requestAnimationFrame(function (t) {
        Orb.mark(t);
        wakeUp();
      });
    });
  },
  web_beep: function (ptr, count, rate, ms) {
    return Asyncify.handleSleep(function (wakeUp) {
      Orb.tone(ptr, count, rate);
      Orb.mark(-1);
      setTimeout(wakeUp, ms);
    });
  },
  web_message_open: function (text) {
    Orb.mark(-1);
    Orb.messageOpen(UTF8ToString(text));
  },
  web_message_close: function () {
    Orb.messageClose();
  },
  web_handler_ended: function () {
    Orb.mark(-1);
  },
  web_sample_rate: function () {
    return Orb.sampleRate();
  },
  web_poll: function (idPtr, textPtr) {
    const ev = Orb.events.shift();
    if (!ev) return 0;
    HEAP32[idPtr >> 2] = ev[1];
    let p = 0;
    if (ev[2] !== null) {
      const n = lengthBytesUTF8(ev[2]) + 1;
      p = _malloc(n);
      stringToUTF8(ev[2], p, n);
    }
    HEAP32[textPtr >> 2] = p;
    return ev[0];
  },
  web_view_create: function (view, maximized, w, h, caption) {
    Orb.createView(view, !!maximized, w, h, UTF8ToString(caption));
  },
  web_view_show: function (view, visible) {
    Orb.showView(view, !!visible);
  },
  web_view_activate: function (view, caption) {
    Orb.activateView(view, UTF8ToString(caption));
  },
  web_view_size: function (view, wPtr, hPtr, dprPtr) {
    const s = Orb.viewSize(view);
    HEAPF64[wPtr >> 3] = s[0];
    HEAPF64[hPtr >> 3] = s[1];
    HEAPF64[dprPtr >> 3] = s[2];
  },
  web_end: function () {
    Orb.end();
  },
  web_start_note: function (text) {
    Orb.startNote(UTF8ToString(text));
  },
  web_open_url: function (url) {
    return Orb.openUrl(UTF8ToString(url)) ? 1 : 0;
  },
  web_menu_item: function (view, item, level, caption, shortcut, others, enabled) {
    const more = UTF8ToString(others);
    Orb.menuItem(view, item, level, UTF8ToString(caption), UTF8ToString(shortcut), more ? more.split("\n") : [], enabled);
  },
  web_menu_state: function (item, enabled, caption) {
    Orb.menuState(item, enabled, UTF8ToString(caption));
  },
  web_projector_remembered: function () {
    return Orb.projectorRemembered() ? 1 : 0;
  },
  web_remember_projector: function (on) {
    Orb.rememberProjector(!!on);
  },
  web_menu_check: function (item, checked) {
    Orb.menuCheck(item, !!checked);
  },
  web_timeline: function (view, length, stages) {
    Orb.timeline(view, length, UTF8ToString(stages));
  },
  web_timeline_at: function (view, pos, speed) {
    Orb.timelineAt(view, pos, speed);
  },
  web_badge: function (text) {
    Orb.badge(UTF8ToString(text));
  },
  web_full_screen: function () {
    Orb.fullScreen();
  },
  web_picture_view: function (view, w, h) {
    Orb.pictureView(view, w, h);
  },
  web_picture_done: function (view, shown, copy, name) {
    Orb.pictureDone(view, shown, !!copy, UTF8ToString(name));
  },
  web_segments_reset: function (view, pw, ph, dpr, back) {
    Orb.segmentsReset(view, pw, ph, dpr, back);
  },
  web_segments_draw: function (view, ptr, count, k, ox, oy, width) {
    Orb.segmentsDraw(view, ptr, count, k, ox, oy, width);
  },
  web_begin: function (view) {
    Orb.begin(view);
  },
  web_fill_rect: function (x, y, w, h, color) {
    Orb.fillRect(x, y, w, h, color);
  },
  web_clip: function (x, y, w, h) {
    Orb.clip(x, y, w, h);
  },
  web_unclip: function () {
    Orb.unclip();
  },
  web_line: function (x1, y1, x2, y2, color, width, style) {
    Orb.line(x1, y1, x2, y2, color, width, style);
  },
  web_shape: function (kind, x, y, w, h, fill, fillColor, style, borderColor, width) {
    Orb.shape(kind, x, y, w, h, fill, fillColor, style, borderColor, width);
  },
  web_text: function (chars, xs, cells, count, baseline, px, bold, italic, color) {
    Orb.text(chars, xs, cells, count, baseline, px, bold, italic, color);
  },
  web_frame_rect: function (x, y, w, h, width) {
    Orb.frameRect(x, y, w, h, width);
  },
  web_pointer: function (x, y, scale) {
    Orb.pointer(x, y, scale);
  },
  web_links: function (view, ptr, count) {
    const v = Orb.views.get(view);
    const links = [];
    for (let i = 0; i < count; ++i) {
      const b = (ptr >> 3) + 4 * i;
      links.push([HEAPF64[b], HEAPF64[b + 1], HEAPF64[b + 2], HEAPF64[b + 3]]);
    }
    v.links = links;
  },
  web_targets: function (view, ptr, count) {
    const v = Orb.views.get(view);
    const targets = [];
    for (let i = 0; i < count; ++i) {
      const b = (ptr >> 3) + 4 * i;
      targets.push([HEAPF64[b], HEAPF64[b + 1], HEAPF64[b + 2], HEAPF64[b + 3]]);
    }
    v.targets = targets;
  },
  web_link_cursor: function (ptr, size, hx, hy) {
    Orb.setLinkCursor(HEAPU8.slice(ptr, ptr + size * size * 4), size, hx, hy);
  },
  web_advance: function (ch, px, bold, italic) {
    return Orb.advance(ch, px, bold, italic);
  },
  web_font_metrics: function (px, bold, italic, linePtr, ascentPtr) {
    const m = Orb.fontMetrics(px, bold, italic);
    HEAPF64[linePtr >> 3] = m[0];
    HEAPF64[ascentPtr >> 3] = m[1];
  },
  web_control: function (view, id, kind, x, y, w, h, visible, enabled, text, value, px, bold, italic, back, fore, align, style, scale) {
    Orb.control(view, id, kind, x, y, w, h, visible, enabled, text ? UTF8ToString(text) : null, value, px, bold, italic, back, fore, align, style, scale);
  },
  web_control_name: function (id, name) {
    Orb.names.set(id, UTF8ToString(name));
  },
  web_focus: function (id, sel) {
    Orb.focus(id, sel);
  },
  web_language: function () {
    const n = lengthBytesUTF8(Orb.language) + 1;
    const p = _malloc(n);
    stringToUTF8(Orb.language, p, n);
    return p;
  },
  web_language_menu: function (view) {
    Orb.languageMenu(view);
  },
  web_menu_title: function (item, caption) {
    Orb.menuTitle(item, UTF8ToString(caption));
  },
  web_language_changed: function (code) {
    Orb.languageChanged(UTF8ToString(code));
  },
  web_tab_order: function (view, ids, count) {
    const order = [];
    for (let i = 0; i < count; ++i) order.push(HEAP32[(ids >> 2) + i]);
    Orb.tabOrder(view, order);
  },
  web_reader: function (view, items) {
    Orb.reader(view, UTF8ToString(items));
  },
  web_announce: function (view, texts) {
    Orb.announce(view, UTF8ToString(texts));
  },
  web_zoomed: function (factor) {
    Orb.zoom = factor;
  },
});
