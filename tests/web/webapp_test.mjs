// webapp_test.mjs SITE_DIR SHOTS_DIR: the browser edition as a web app in headless Chromium.
// The address names the page shown (Back, Forward, reload, a copied address, ?start=); with the
// server stopped the site opens again from its service worker and Lesson 9 plays; on a phone
// (390 x 844) and tablets (768 x 1024, 1024 x 768) with touch: menus inside the viewport, touch
// targets of at least 24 x 24 CSS px, the sideways note, a light source tapped fires its ray, a
// main menu entry tapped beside its text opens, and the on-screen keyboard's height taken away
// while typing into Lesson 12's box leaves the scene's size alone.
import { mkdirSync } from "node:fs";
import { join, resolve } from "node:path";
import { launch, newPage as openPage, serve, tab } from "./chromium.mjs";

const site = resolve(process.argv[2] || "build-web/site");
const shots = resolve(process.argv[3] || "web-shots");
mkdirSync(shots, { recursive: true });
const sleep = (ms) => new Promise((r) => setTimeout(r, ms));

let failures = 0;
function check(ok, what) {
  if (!ok) failures++;
  console.log((ok ? "ok: " : "FAIL: ") + what);
}

let { server, url } = await serve(site);
const port = new URL(url).port;

const browser = await launch();
const errors = [];
const newPage = (viewport) => openPage(browser, errors, viewport);
const titled = (page, title) =>
  page.waitForFunction((t) => document.title === t, { timeout: 15000 }, tab(title)).then(() => true, () => false);
const hash = (page) => page.evaluate(() => location.hash);
// A fingerprint of the active page's canvas, to tell a moving scene from a still one.
const picture = (page) =>
  page.evaluate(() => {
    const v = Orb.views.get(Orb.active);
    const d = v.ctx.getImageData(0, 0, v.canvas.width, v.canvas.height).data;
    let h = 0;
    for (let i = 0; i < d.length; i += 16) h = (h * 31 + d[i] + d[i + 1] * 7 + d[i + 2] * 13) | 0;
    return h;
  });
const pixels = (page, rgb) =>
  page.evaluate((rgb) => {
    const v = Orb.views.get(Orb.active);
    const d = v.ctx.getImageData(0, 0, v.canvas.width, v.canvas.height).data;
    let n = 0;
    for (let i = 0; i < d.length; i += 4) if (d[i] === rgb[0] && d[i + 1] === rgb[1] && d[i + 2] === rgb[2]) n++;
    return n;
  }, rgb);
// A fresh load of the site at an address (not a jump within the page already there).
async function open(p, at, title) {
  await p.goto("about:blank");
  await p.goto(url + at);
  const ok = await titled(p, title);
  await p.tap("#start");
  await sleep(300);
  return ok;
}
// Every menu of the shown page inside the viewport, scrolling where taller; items >= 24 px.
async function menusInside(p, name) {
  const menus = await p.evaluate(() => Orb.views.get(Orb.active).menus.length);
  for (let m = 0; m < menus; ++m) {
    await p.evaluate((m) => Orb.views.get(Orb.active).menus[m].title.click(), m);
    await sleep(100);
    const box = await p.evaluate((m) => {
      const list = Orb.views.get(Orb.active).menus[m].list, r = list.getBoundingClientRect();
      const items = [...list.querySelectorAll(".menuitem")].map((b) => b.getBoundingClientRect());
      return {
        left: r.left, right: r.right, bottom: r.bottom, vw: document.documentElement.clientWidth, vh: innerHeight,
        scrolls: list.scrollHeight <= list.clientHeight + 1 || getComputedStyle(list).overflowY === "auto",
        small: items.filter((i) => i.height < 24 || i.width < 24).length,
      };
    }, m);
    check(box.left >= 0 && box.right <= box.vw + 0.5 && box.bottom <= box.vh + 0.5 && box.scrolls && box.small === 0,
      name + ": menu " + m + " inside the viewport and scrolling, items at least 24 px: " + JSON.stringify(box));
    if (m === menus - 1) await p.screenshot({ path: join(shots, "webapp-" + name + "-" + m + "-menu.png") });
    await p.evaluate((m) => Orb.views.get(Orb.active).menus[m].title.click(), m);
  }
}
// The main menu's entries, top first, in page coordinates.
const entries = (page) =>
  page.evaluate(() => {
    const v = Orb.views.get(Orb.active);
    const r = v.canvas.getBoundingClientRect();
    return v.links.slice().sort((a, b) => a[1] - b[1]).map((l) => [r.left + l[0], r.top + l[1], l[2], l[3]]);
  });

try {
  // --- Addresses ----------------------------------------------------------------------------
  const page = await newPage({ width: 1280, height: 800 });
  await page.goto(url);
  check(await titled(page, "MAIN MENU"), "the main menu opens");
  check((await hash(page)) === "#Utama", "the address names the main menu: " + (await hash(page)));
  await page.click("#start");
  const first = (await entries(page))[0];
  await page.mouse.click(first[0] + first[2] / 3, first[1] + first[3] / 2);
  check(await titled(page, "Lesson 1: Law of Gravity"), "1. Gravity opens Lesson 1");
  await page.keyboard.press("PageDown");
  check(await titled(page, "Lesson 2: Attraction Force"), "Next opens Lesson 2");
  check((await hash(page)) === "#Lesson2", "the address names Lesson 2: " + (await hash(page)));
  const walk = [
    ["back", "Lesson 1: Law of Gravity", "#Lesson1"],
    ["back", "MAIN MENU", "#Utama"],
    ["forward", "Lesson 1: Law of Gravity", "#Lesson1"],
    ["forward", "Lesson 2: Attraction Force", "#Lesson2"],
  ];
  for (const [way, title, at] of walk) {
    await page.evaluate((way) => history[way](), way);
    const ok = await titled(page, title);
    check(ok && (await hash(page)) === at, way + " shows " + title + " at " + (await hash(page)));
  }
  const length = await page.evaluate(() => history.length);
  // The Lessons menu, as a student picks a page.
  await page.evaluate(() => {
    const v = Orb.views.get(Orb.active);
    v.menus[v.menus.length - 1].title.click();
  });
  await page.evaluate(() => [...document.querySelectorAll(".page:last-child .menuitem")].find((b) => b.textContent.startsWith("Lesson 9:")).click());
  check(await titled(page, "Lesson 9: Space Station and Space Shuttle"), "the Lessons menu opens Lesson 9");
  check((await hash(page)) === "#Lesson9" && (await page.evaluate(() => history.length)) === length + 1,
    "Lesson 9 is one more step in the history at #Lesson9");
  await page.reload();
  check(await titled(page, "Lesson 9: Space Station and Space Shuttle"), "reload opens Lesson 9 again");
  check(await page.evaluate(() => !document.getElementById("overlay").hidden), "reload: Lesson 9 waits behind Click to start");
  await page.click("#start");
  await page.evaluate(() => history.back());
  check(await titled(page, "Lesson 2: Attraction Force"), "after reload Back still goes to Lesson 2");
  await page.evaluate(() => history.forward());
  check(await titled(page, "Lesson 9: Space Station and Space Shuttle"), "and Forward to Lesson 9");

  const copied = await newPage({ width: 1280, height: 800 });
  await copied.goto(url + "#optics2");
  check(await titled(copied, "Reflection at Parabolic Mirror"), "a copied address #optics2 opens optics 2");
  await copied.goto(url + "?start=lesson3");
  check(await titled(copied, "Lesson 3: Earth's Gravitational Acceleration"), "?start=lesson3 still opens Lesson 3");
  check((await hash(copied)) === "#Lesson3", "and the address then names it: " + (await hash(copied)));
  await copied.goto(url + "?start=Lesson3#Lesson11");
  check(await titled(copied, "Lesson 11: Moon's Orbit"), "the page named after # wins over ?start=");
  await copied.close();

  // --- Offline ------------------------------------------------------------------------------
  const kept = await page.evaluate(async () => {
    await navigator.serviceWorker.ready;
    for (let i = 0; i < 100; ++i) {
      const names = await caches.keys();
      const n = names.length ? (await (await caches.open(names[0])).keys()).length : 0;
      if (n >= 10 && navigator.serviceWorker.controller) return n;
      await new Promise((r) => setTimeout(r, 100));
    }
    return 0;
  });
  check(kept >= 10, "the service worker keeps the site (" + kept + " files)");
  server.kill();
  await new Promise((r) => server.once("exit", r));
  await page.reload();
  check(await titled(page, "Lesson 9: Space Station and Space Shuttle"), "offline: reload opens Lesson 9 with the server stopped");
  await page.click("#start");
  await sleep(6500);  // its orbit starts in the sixth second
  const a = await picture(page);
  await sleep(1000);
  const b = await picture(page);
  check(a !== b, "offline: Lesson 9 plays (its orbit moves)");
  await page.screenshot({ path: join(shots, "webapp-offline-Lesson9.png") });
  await page.close();
  ({ server, url } = await serve(site, port));

  // --- Phones and tablets with touch --------------------------------------------------------
  for (const [name, width, height] of [["phone", 390, 844], ["tablet", 768, 1024], ["tablet-landscape", 1024, 768]]) {
    const p = await newPage({ width, height, hasTouch: true, isMobile: true });
    await open(p, "", "MAIN MENU");
    const [note, bodyPx] = await p.evaluate(() => {
      const v = Orb.views.get(Orb.active);
      const s = Math.min(v.stage.clientWidth / v.designW, v.stage.clientHeight / v.designH);
      return [!document.getElementById("sideways").hidden, 11 * s];
    });
    // Upright with body text under 12 px (the phone's for certain), and only then.
    const wanted = width < height && bodyPx < 12;
    check(note === wanted && (name !== "phone" || note), name + ": the sideways note " + (note ? "shows" : "does not show") + " (body text " + bodyPx.toFixed(1) + " px)");
    await p.screenshot({ path: join(shots, "webapp-" + name + "-main-menu.png") });
    if (note) await p.tap("#sideways button.close");
    await menusInside(p, name + " main menu");
    // A main menu entry tapped just above its text, where lower than 24 px, opens its course.
    const e = (await entries(p))[0];
    await p.touchscreen.tap(e[0] + e[2] / 2, e[3] < 22 ? e[1] - (24 - e[3]) / 2 + 2 : e[1] + e[3] / 2);
    check(await titled(p, "Lesson 1: Law of Gravity"), name + ": 1. Gravity tapped just above its text (" + e[2].toFixed(0) + " x " + e[3].toFixed(0) + " px) opens Lesson 1");
    await menusInside(p, name + " Lesson 1");
    // The touch area of every menu title, button and check box covers 24 x 24 CSS px.
    const small = await p.evaluate(() => {
      const hits = (el) => {
        const r = el.getBoundingClientRect(), cx = r.left + r.width / 2, cy = r.top + r.height / 2;
        return [[-11.5, -11.5], [11.5, -11.5], [-11.5, 11.5], [11.5, 11.5]].every(([dx, dy]) => {
          const at = document.elementFromPoint(cx + dx, cy + dy);
          return at && (at === el || el.contains(at) || at === el.pad);
        });
      };
      const targets = [...document.querySelectorAll(".page:last-child .menutitle, .page:last-child .controls > .button, .page:last-child .controls > .checkbox")];
      return targets.filter((t) => !t.hidden && t.getBoundingClientRect().width > 0 && !hits(t)).map((t) => t.dataset.control || t.textContent);
    });
    check(small.length === 0, name + ": every menu title, button and check box takes touches over 24 x 24 px" + (small.length ? ": not " + small.join(", ") : ""));

    // optics 1: light sources, each a touch target of 24 x 24 px at least; one tapped fires its ray.
    await open(p, "#optics1", "Reflection at Circular Mirror");
    // Before the lesson's own demonstration reaches it: lt(5) tapped fires its blue ray; where
    // its face is lower than 24 px and its neighbours leave room, tapped just above the face.
    const lt5 = await p.$eval('.page:last-child [data-control="lt(5)"]', (e) => {
      const r = e.getBoundingClientRect();
      return { cx: r.left + r.width / 2, cy: r.top + r.height / 2, top: r.top, h: r.height };
    });
    const blue = [0, 0, 255];
    const before = await pixels(p, blue);
    const beside = lt5.h < 22 && name !== "phone";
    await p.touchscreen.tap(lt5.cx, beside ? lt5.top - (24 - lt5.h) / 2 + 2 : lt5.cy);
    await sleep(1500);
    const after = await pixels(p, blue);
    check(after > before + 50, name + ": lt(5) tapped " + (beside ? "above its face" : "") + " fires its blue ray (" + before + " -> " + after + " pixels)");
    if (note) {
      // Offered again on a fresh load: its Zoom In magnifies the scene, where upright on a phone
      // the light sources stand too close for touches; a finger drags the sources into view.
      await p.tap("#sideways button.zoom");
      await p.waitForFunction(() => Orb.zoom > 1, { timeout: 3000 }).catch(() => {});
      const zoom = await p.evaluate(() => Orb.zoom);
      check(zoom > 1 && (await p.evaluate(() => document.getElementById("sideways").hidden)), name + ": Zoom In on the sideways note magnifies the scene (" + zoom.toFixed(2) + ")");
      const lt = () => p.$eval('.page:last-child [data-control="lt(5)"]', (e) => e.getBoundingClientRect().left);
      const from = await lt();
      const cdp = await p.createCDPSession();
      const finger = (x) => [{ x, y: height * 0.6 }];
      await cdp.send("Input.dispatchTouchEvent", { type: "touchStart", touchPoints: finger(width * 0.9) });
      for (let x = width * 0.9; x > width * 0.9 - (from - width * 0.4); x -= 20) await cdp.send("Input.dispatchTouchEvent", { type: "touchMove", touchPoints: finger(x) });
      await cdp.send("Input.dispatchTouchEvent", { type: "touchEnd", touchPoints: [] });
      await sleep(500);
      const to = await lt();
      check(to < from - 50, name + ": a finger drags the magnified scene (lt(5) " + from.toFixed(0) + " -> " + to.toFixed(0) + " px)");
      await p.screenshot({ path: join(shots, "webapp-" + name + "-optics1-zoomed.png") });
    }
    const lights = await p.evaluate(() => {
      const out = [];
      for (const el of document.querySelectorAll('.page:last-child [data-control^="lt("]')) {
        const r = el.getBoundingClientRect(), cx = r.left + r.width / 2, cy = r.top + r.height / 2;
        const ok = [[-11.5, -11.5], [11.5, -11.5], [-11.5, 11.5], [11.5, 11.5]].every(([dx, dy]) => {
          const at = document.elementFromPoint(cx + dx, cy + dy);
          return at && (at === el || el.contains(at) || at === el.pad);
        });
        out.push({ name: el.dataset.control, w: r.width, h: r.height, ok, cx, cy, top: r.top });
      }
      return out;
    });
    const vw = width, vh = height;
    const seen = lights.filter((l) => l.cx - l.w / 2 >= 0 && l.cx + l.w / 2 <= vw && l.top >= 0 && l.top + l.h <= vh);
    const bad = seen.filter((l) => !l.ok);
    check(lights.length === 12 && seen.length >= 6 && bad.length === 0, name + ": 12 light sources (" + lights[0]?.w.toFixed(0) + " x " + lights[0]?.h.toFixed(0) +
      " px drawn, " + seen.length + " in view) take touches over 24 x 24 px" + (bad.length ? ": not " + bad.map((l) => l.name).join(", ") : ""));
    await p.screenshot({ path: join(shots, "webapp-" + name + "-optics1.png") });

    // Lesson 12's box with the on-screen keyboard up: the window loses the keyboard's height.
    await open(p, "#Lesson12", "Lesson 12: Hyperbolic Trajectory");
    if (note) await p.tap("#sideways button.close");
    await p.tap('.page:last-child [data-control="vinit"]');
    const size = () => p.evaluate(() => {
      const v = Orb.views.get(Orb.active);
      const box = document.activeElement.getBoundingClientRect();
      return { w: v.canvas.style.width, h: v.canvas.style.height, focus: document.activeElement.dataset.control, boxTop: box.top, boxBottom: box.bottom, vh: innerHeight };
    });
    const up = await size();
    await p.setViewport({ width, height: Math.round(height * 0.55), hasTouch: true, isMobile: true });
    await sleep(300);
    await p.keyboard.type("5000");
    await sleep(500);
    const typed = await size();
    const value = await p.$eval('.page:last-child [data-control="vinit"]', (e) => e.value);
    check(up.focus === "vinit" && typed.focus === "vinit" && value.includes("5000"), name + ": typed into Lesson 12's box (" + value + ")");
    check(typed.w === up.w && typed.h === up.h, name + ": the keyboard leaves the scene's size: " + up.w + " x " + up.h + " -> " + typed.w + " x " + typed.h);
    check(typed.boxTop >= 0 && typed.boxBottom <= typed.vh, name + ": the box shows above the keyboard (" + typed.boxTop.toFixed(0) + "-" + typed.boxBottom.toFixed(0) + " of " + typed.vh + ")");
    await p.screenshot({ path: join(shots, "webapp-" + name + "-keyboard.png") });
    await p.setViewport({ width, height, hasTouch: true, isMobile: true });
    await p.evaluate(() => document.activeElement.blur());
    await sleep(300);
    const closed = await size();
    check(closed.h !== "" && Math.abs(parseFloat(closed.h) - parseFloat(up.h)) < 1, name + ": the keyboard gone, the scene as before (" + closed.h + ")");
    await p.close();
  }
} catch (err) {
  check(false, "the test ran through: " + (err && err.stack ? err.stack : err));
} finally {
  check(errors.length === 0, "no console errors" + (errors.length ? ": " + errors.join(" | ") : ""));
  await browser.closeAll();
  server.kill();
}
console.log(failures ? failures + " failed" : "all passed");
process.exit(failures ? 1 : 0);
