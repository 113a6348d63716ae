// browser_test.mjs SITE_DIR SHOTS_DIR: the browser edition in headless Chromium. Walks the main
// menu, the gravity course with Next, back to the main menu and into the optics course; clicks
// three light sources and looks for their rays' colours; types into Lesson 12's box; pauses
// Lesson 9's orbit, steps it, saves and copies its picture, and changes the speed; Exit after a
// picture; lessons asked for in the address, waiting behind "Click to start". Checks the title at
// each step and that the console stays free of errors; saves a screenshot of each page.
import { mkdirSync, mkdtempSync, readdirSync, readFileSync, rmSync } from "node:fs";
import { tmpdir } from "node:os";
import { join, resolve } from "node:path";
import { launch, newPage, serve, tab } from "./chromium.mjs";

const site = resolve(process.argv[2] || "build-web/site");
const shots = resolve(process.argv[3] || "web-shots");
mkdirSync(shots, { recursive: true });

const gravity = [
  "Lesson 1: Law of Gravity",
  "Lesson 2: Attraction Force",
  "Lesson 3: Earth's Gravitational Acceleration",
  "Lesson 4: How 'heavy' are earth and sun?",
  "Lesson 5: Gravity on Earth and Moon",
  "Lesson 6: Gravity on Earth (Large Scale)",
  "Lesson 7: More Explanation on Elliptical Curve",
  "Lesson 8: Trajectory of Object around Gravity",
  "Lesson 9: Space Station and Space Shuttle",
  "Lesson 10: Satellites",
  "Lesson 11: Moon's Orbit",
  "Lesson 12: Hyperbolic Trajectory",
];


let failures = 0;
let checks = 0;
function check(ok, what) {
  checks++;
  if (!ok) {
    failures++;
    console.log("FAIL: " + what);
  } else {
    console.log("ok: " + what);
  }
}

const { server, url } = await serve(site);
const browser = await launch();
const errors = [];
try {
  console.log("browser: " + (await browser.version()));
  const page = await newPage(browser, errors);

  const titled = async (title, what) => {
    const ok = await page
      .waitForFunction((t) => document.title === t, { timeout: 15000 }, tab(title))
      .then(() => true)
      .catch(() => false);
    check(ok, what + ': title "' + tab(title) + '"' + (ok ? "" : ', got "' + (await page.title()) + '"'));
    return ok;
  };
  let shot = 0;
  const screenshot = async (name) => {
    await new Promise((r) => setTimeout(r, 400));
    await page.screenshot({ path: join(shots, String(++shot).padStart(2, "0") + "-" + name + ".png") });
  };
  // The centre of the active page's clickable label number i (the main menu's entries).
  const linkPoint = (i) =>
    page.evaluate((i) => {
      const v = Orb.views.get(Orb.active);
      const r = v.canvas.getBoundingClientRect();
      const l = v.links.slice().sort((a, b) => a[1] - b[1])[i];
      return l && [r.left + l[0] + l[2] / 3, r.top + l[1] + l[3] / 2];
    }, i);
  const clickLink = async (i) => {
    const at = await linkPoint(i);
    if (at) await page.mouse.click(at[0], at[1]);
    return !!at;
  };
  // How many pixels of the active page's canvas have exactly this colour (r, g, b).
  const pixels = (rgb) =>
    page.evaluate((rgb) => {
      const v = Orb.views.get(Orb.active);
      const d = v.ctx.getImageData(0, 0, v.canvas.width, v.canvas.height).data;
      let n = 0;
      for (let i = 0; i < d.length; i += 4) if (d[i] === rgb[0] && d[i + 1] === rgb[1] && d[i + 2] === rgb[2]) n++;
      return n;
    }, rgb);

  const started = Date.now();
  await page.goto(url);
  await titled("MAIN MENU", "page loads");
  console.log("main menu after " + (Date.now() - started) + " ms");
  await page.click("#start");
  await screenshot("main-menu");
  const over = await linkPoint(0);
  if (over) await page.mouse.move(over[0], over[1]);
  const cursor = await page.evaluate(() => Orb.views.get(Orb.active).canvas.style.cursor);
  check(cursor.includes("data:image/png"), "the saucer is the pointer over a main menu entry");

  check(await clickLink(0), '"1. Gravity" is on the main menu');
  await titled(gravity[0], "1. Gravity");
  await screenshot("Lesson1");
  for (let i = 1; i < gravity.length; ++i) {
    if (i === 1) {
      // The menu bar by keyboard alone: F10, Enter opens Navigation at its first enabled item.
      await page.keyboard.press("F10");
      await page.keyboard.press("Enter");
      const item = await page.evaluate(() => document.activeElement.textContent);
      check(item.startsWith("Next Lesson"), 'F10, Enter: the focus is on "' + item + '"');
      await page.keyboard.press("Enter");
      await titled(gravity[i], "Next Lesson chosen by keyboard");
      await screenshot("Lesson" + (i + 1));
      continue;
    }
    await page.keyboard.press("PageDown");
    await titled(gravity[i], "Next");
    await screenshot("Lesson" + (i + 1));
    if (i === 7) {
      // A smaller window: the scene and its page elements shrink together.
      const width = () => page.evaluate(() => document.querySelector(".page:last-child .textbox").getBoundingClientRect().width);
      const wide = await width();
      await page.setViewport({ width: 960, height: 600 });
      await new Promise((r) => setTimeout(r, 500));
      const narrow = await width();
      const fits = await page.evaluate(() => {
        const v = Orb.views.get(Orb.active);
        return v.canvas.width === Math.round(v.stage.clientWidth * devicePixelRatio);
      });
      await screenshot("Lesson8-small-window");
      await page.setViewport({ width: 1280, height: 800 });
      check(fits && narrow < wide * 0.8 && narrow > wide * 0.7,
        "Lesson 8 in a smaller window: canvas refitted, its text box " + wide.toFixed(0) + " -> " + narrow.toFixed(0) + " px wide");
      // Once a launch has taken the focus to the check box, the student clicks into the speed
      // box: the lesson knows, so the next launch takes the focus to the check box again, as on
      // the desktop.
      const onCheckBox = () =>
        page
          .waitForFunction(() => document.activeElement.closest("[data-control]")?.dataset.control === "ck", { timeout: 20000 })
          .then(() => true)
          .catch(() => false);
      const first = await onCheckBox();
      await page.click('.page:last-child [data-control="vinit"]');
      const clicked = await page.evaluate(() => document.activeElement.closest("[data-control]")?.dataset.control);
      const again = await onCheckBox();
      check(first && clicked === "vinit" && again, "Lesson 8: the focus clicked into the speed box (" + clicked + ") goes to the check box at the next launch");
    }
  }

  // Lesson 12's speed box: typing reaches the box and stays there.
  const box = await page.$('.page:last-child [data-control="vinit"]');
  check(!!box, "Lesson 12 has its speed box as a text input");
  if (box) {
    await box.click({ clickCount: 3 });
    await page.keyboard.type("5000");
    await new Promise((r) => setTimeout(r, 300));
    const value = await page.evaluate((e) => e.value, box);
    check(value === "5000", 'typed "5000" into Lesson 12\'s box (it holds "' + value + '")');
  }

  await page.keyboard.down("Control");
  await page.keyboard.press("m");
  await page.keyboard.up("Control");
  await titled("MAIN MENU", "Ctrl+M");
  await screenshot("main-menu-again");

  check(await clickLink(1), '"2. Optics" is on the main menu');
  await titled("Reflection at Circular Mirror", "2. Optics");
  // Three sources the lesson's own demonstration reaches last: their rays come from the clicks.
  const sources = [
    ["lt(2)", [128, 128, 0]],
    ["lt(4)", [128, 128, 128]],
    ["lt(5)", [0, 0, 255]],
  ];
  const before = [];
  for (const [, rgb] of sources) before.push(await pixels(rgb));
  for (const [name] of sources) await page.click('.page:last-child [data-control="' + name + '"]');
  await new Promise((r) => setTimeout(r, 1500));
  for (let i = 0; i < sources.length; ++i) {
    const after = await pixels(sources[i][1]);
    check(after > before[i] + 100, sources[i][0] + "'s ray drawn (" + before[i] + " -> " + after + " pixels of its colour)");
  }
  // The sources say what they are: their caption in black over the face, whole.
  const faces = await page.$$eval('.page:last-child [data-control^="lt("]', (els) =>
    els.map((e) => {
      const st = getComputedStyle(e), r = e.getBoundingClientRect();
      return { text: e.innerText, color: st.color, fontPx: parseFloat(st.fontSize), fits: e.scrollWidth <= e.clientWidth + 1 && e.scrollHeight <= e.clientHeight + 1, shown: !e.hidden && r.width > 0 };
    })
  );
  check(
    faces.length === 12 && faces.every((f) => f.shown && f.text === "-----<O Light" && f.color === "rgb(0, 0, 0)" && f.fontPx > 5 && f.fits),
    'every light source shows "-----<O Light" in black inside its face: ' + JSON.stringify(faces[0])
  );
  await screenshot("optics1");
  // Tab takes the sources row by row from the top, never the off-page button, and shows a ring.
  await page.focus('.page:last-child [data-control="lt(11)"]');
  const tabbed = [];
  for (let i = 0; i < 11; ++i) {
    await page.keyboard.press("Tab");
    tabbed.push(await page.evaluate(() => document.activeElement.dataset.control));
  }
  check(tabbed.join(" ") === "lt(10) lt(9) lt(8) lt(7) lt(6) lt(0) lt(1) lt(2) lt(3) lt(4) lt(5)", "Tab takes the sources top to bottom: " + tabbed.join(" "));
  const ring = await page.evaluate(() => {
    const st = getComputedStyle(document.activeElement);
    return { width: parseFloat(st.outlineWidth), style: st.outlineStyle, color: st.outlineColor };
  });
  check(ring.style === "solid" && ring.width >= 2 && ring.color === "rgb(0, 0, 96)", "the focused source shows a dark ring: " + JSON.stringify(ring));
  const dumTab = await page.$eval('.page:last-child [data-control="dum"]', (e) => e.tabIndex).catch(() => null);
  check(dumTab === -1, "the off-page button is out of the Tab order (" + dumTab + ")");
  // Ctrl with the wheel magnifies the scene, not the page; Fit to Window brings it back.
  const sourceWidth = () => page.$eval('.page:last-child [data-control="lt(0)"]', (e) => e.getBoundingClientRect().width);
  const widthBefore = await sourceWidth();
  await page.mouse.move(640, 400);
  await page.keyboard.down("Control");
  await page.mouse.wheel({ deltaY: -300 });
  await page.keyboard.up("Control");
  await page.waitForFunction(() => Orb.zoom > 1, { timeout: 5000 }).catch(() => {});
  await new Promise((r) => setTimeout(r, 300));
  const zoomed = await page.evaluate(() => ({ zoom: Orb.zoom, page: window.visualViewport.scale }));
  const widthZoomed = await sourceWidth();
  check(zoomed.zoom > 1 && zoomed.page === 1 && widthZoomed > widthBefore * 1.5, "Ctrl+wheel magnifies the scene and not the page: " + JSON.stringify(zoomed) + " " + widthBefore + " -> " + widthZoomed);
  await screenshot("optics1-magnified");
  await page.keyboard.down("Control");
  await page.keyboard.press("Home");
  await page.keyboard.up("Control");
  await page.waitForFunction(() => Orb.zoom === 1, { timeout: 5000 }).catch(() => {});
  await new Promise((r) => setTimeout(r, 300));
  check(Math.abs((await sourceWidth()) - widthBefore) < 1, "Ctrl+Home fits the scene to the window again");
  // Two fingers spreading on a touch screen magnify the scene, not the page.
  {
    const touch = await page.createCDPSession();
    const fingers = (dx) => [{ x: 640 - dx, y: 400 }, { x: 640 + dx, y: 400 }];
    await touch.send("Input.dispatchTouchEvent", { type: "touchStart", touchPoints: fingers(40) });
    for (const dx of [60, 80, 100]) await touch.send("Input.dispatchTouchEvent", { type: "touchMove", touchPoints: fingers(dx) });
    await touch.send("Input.dispatchTouchEvent", { type: "touchEnd", touchPoints: [] });
    await page.waitForFunction(() => Orb.zoom > 1, { timeout: 5000 }).catch(() => {});
    const pinched = await page.evaluate(() => ({ zoom: Orb.zoom, page: window.visualViewport.scale }));
    check(pinched.zoom > 1.5 && pinched.page === 1, "a pinch magnifies the scene and not the page: " + JSON.stringify(pinched));
    await page.keyboard.down("Control");
    await page.keyboard.press("Home");
    await page.keyboard.up("Control");
    await page.waitForFunction(() => Orb.zoom === 1, { timeout: 5000 }).catch(() => {});
    await touch.detach();
  }
  for (const title of ["Reflection at Parabolic Mirror", "3D Image of Parabola Antenna"]) {
    // The antenna's wireframe draws for some two seconds as its page opens: at every animation
    // frame meanwhile one page is shown, never the one left beside it.
    const shown = page.evaluate(
      () =>
        new Promise((done) => {
          const counts = [], t0 = performance.now();
          const sample = () => {
            counts.push(document.querySelectorAll("#pages > .page:not([hidden])").length);
            if (performance.now() - t0 < 1500) requestAnimationFrame(sample);
            else done(counts);
          };
          requestAnimationFrame(sample);
        }),
    );
    await page.keyboard.press("PageDown");
    await titled(title, "Next");
    if (title.startsWith("3D")) {
      const counts = await shown;
      check(counts.length > 30 && counts.every((n) => n === 1),
        "one page shown at every frame while optics 3 draws (pages shown: " + [...new Set(counts)].join(", ") + " over " + counts.length + " frames)");
    }
    await screenshot(title.split(" ").pop());
  }
  const menuKeys = await page.evaluate(() => Orb.views.get(Orb.active).items.map((i) => i.button.textContent));
  check(menuKeys.some((t) => t.includes("PageDown")), "the menu shows PageDown for Next: " + menuKeys.join(" | "));

  const ctrl = async (key) => {
    await page.keyboard.down("Control");
    await page.keyboard.press(key);
    await page.keyboard.up("Control");
  };
  await ctrl("a");
  const about = await page
    .waitForSelector("dialog.window[open]", { timeout: 5000 })
    .then(() => page.evaluate(() => document.querySelector("dialog.window[open] .titlebar").textContent))
    .catch(() => "");
  check(about.includes("About this program"), 'Ctrl+A opens the About dialog ("' + about + '")');
  await screenshot("about");
  await page.focus("dialog.window[open] .close").catch(() => {});
  await page.keyboard.press("Escape");
  const closed = await page
    .waitForFunction(() => !document.querySelector("dialog.window[open]"), { timeout: 5000 })
    .then(() => true)
    .catch(() => false);
  check(closed, "Escape closes the About dialog");
  await ctrl("c");
  await page.waitForFunction(() => Orb.urls.length > 0, { timeout: 5000 }).catch(() => {});
  const urls = await page.evaluate(() => Orb.urls);
  check(urls.length === 1 && urls[0].startsWith("mailto:"), "Contact hands a mailto: link to the browser (" + urls + ")");

  // The teacher's controls in the middle of Lesson 9's orbit, which runs from its sixth second.
  const downloads = mkdtempSync(join(tmpdir(), "orbelune-downloads-"));
  const cdp = await page.createCDPSession();
  await cdp.send("Browser.setDownloadBehavior", { behavior: "allow", downloadPath: downloads });
  await browser.defaultBrowserContext().overridePermissions(url, ["clipboard-read", "clipboard-write", "clipboard-sanitized-write"]);
  await page.goto(url + "?start=Lesson9");
  await titled(gravity[8], "?start=Lesson9");
  await page.click("#start");
  await new Promise((r) => setTimeout(r, 7000));
  const scene = () => page.evaluate(() => Orb.views.get(Orb.active).canvas.toDataURL());
  const playback = () =>
    page.evaluate(() => {
      const v = Orb.views.get(Orb.active);
      return v.badge.textContent + " / " + v.items.find((i) => i.shortcut === "Ctrl+Space").label.textContent;
    });
  await ctrl("Space");
  await new Promise((r) => setTimeout(r, 300));
  const held = await scene();
  await new Promise((r) => setTimeout(r, 1000));
  check((await scene()) === held, "Ctrl+Space: the orbit stands still for a second");
  check((await playback()) === "Paused / Resume", "paused: the badge and the menu say so (" + (await playback()) + ")");
  await ctrl(".");
  await new Promise((r) => setTimeout(r, 300));
  check((await scene()) !== held, "Ctrl+.: Next Frame moves the orbit on while paused");
  await screenshot("Lesson9-paused");
  // The timeline, still paused: Previous Stage goes back to the launch at the sixth second,
  // and a click at three quarters of the bar to the middle of the orbit; the bar shows itself
  // and says where the page is, and a mark names its stage.
  const bar = () =>
    page.evaluate(() => {
      const t = Orb.views.get(Orb.active).timeline;
      return { shown: !t.root.hidden, clock: t.clock.textContent, marks: [...t.track.querySelectorAll(".mark")].map((m) => m.dataset.name) };
    });
  const stepped = await scene();
  await page.keyboard.down("Control");
  await page.keyboard.down("Shift");
  await page.keyboard.press("ArrowLeft");
  await page.keyboard.up("Shift");
  await page.keyboard.up("Control");
  await new Promise((r) => setTimeout(r, 500));
  const atLaunch = await bar();
  check(atLaunch.shown && atLaunch.clock.startsWith("0:06 /") && atLaunch.marks.join() === "Launch",
    "Ctrl+Shift+Left shows the bar at the launch, 0:06 (" + JSON.stringify(atLaunch) + ")");
  check((await scene()) !== stepped && (await playback()) === "Paused / Resume", "the seek went back and the page stays paused");
  const track = await page.evaluate(() => {
    const r = Orb.views.get(Orb.active).timeline.track.getBoundingClientRect();
    return { x: r.left + r.width * 0.75, y: r.top + r.height / 2 };
  });
  await page.mouse.click(track.x, track.y);
  await new Promise((r) => setTimeout(r, 500));
  const clicked = await bar();
  check(clicked.clock.startsWith("0:11 /") && (await playback()) === "Paused / Resume",
    "a click at three quarters of the bar goes to 0:11 and stays paused (" + clicked.clock + ")");
  const mark = await page.evaluate(() => {
    const r = Orb.views.get(Orb.active).timeline.track.querySelector(".mark").getBoundingClientRect();
    return { x: r.left + r.width / 2, y: r.top + r.height / 2 };
  });
  await page.mouse.move(mark.x, mark.y);
  await new Promise((r) => setTimeout(r, 300));
  await screenshot("Lesson9-timeline");
  const fullScreen = (on) =>
    page
      .waitForFunction((on) => !!document.fullscreenElement === on, { timeout: 5000 }, on)
      .then(() => true)
      .catch(() => false);
  await page.keyboard.press("F11");
  const full = await fullScreen(true);
  await page.keyboard.press("F11");
  check(full && (await fullScreen(false)), "F11 makes the page full screen, and F11 again leaves it");
  await ctrl("s");
  await page.keyboard.down("Control");
  await page.keyboard.down("Shift");
  await page.keyboard.press("C");
  await page.keyboard.up("Shift");
  await page.keyboard.up("Control");
  await page.waitForFunction(() => Orb.pictures.length === 2, { timeout: 10000 }).catch(() => {});
  const saved = readdirSync(downloads).filter((f) => f.endsWith(".png"));
  const png = saved.length ? readFileSync(join(downloads, saved[0])) : Buffer.alloc(0);
  const pngWidth = png.length > 24 ? png.readUInt32BE(16) : 0;
  check(saved.length === 1 && pngWidth >= 1920, "Ctrl+S saves the scene as a PNG " + pngWidth + " px wide (" + saved + ")");
  const clipboard = await page.evaluate(async () => {
    const items = await navigator.clipboard.read().catch(() => []);
    return items.map((i) => i.types.join(",")).join(";");
  });
  check(clipboard.includes("image/png"), "Ctrl+Shift+C puts the picture on the clipboard (" + clipboard + ")");
  check((await page.evaluate(() => Orb.urls.length)) === 0, "Ctrl+Shift+C is not Contact's Ctrl+C");
  rmSync(downloads, { recursive: true, force: true });
  await ctrl("Space");
  await ctrl("=");
  await new Promise((r) => setTimeout(r, 300));
  check((await playback()) === "2\u00d7 / Pause", "resumed at double speed (" + (await playback()) + ")");
  await ctrl("0");
  await new Promise((r) => setTimeout(r, 300));

  // Next stops a running animation at once.
  // (Between two of its frames the program may be waiting for a moment: take a moment it runs.)
  const busy = await page.waitForFunction(() => Orb.wake === null, { timeout: 3000, polling: 1 }).then(() => true).catch(() => false);
  await page.keyboard.press("PageDown");
  const t0 = Date.now();
  await titled(gravity[9], "Next in the middle of Lesson 9's orbit");
  check(busy && Date.now() - t0 < 1000, "the orbit was running and Next took " + (Date.now() - t0) + " ms");

  // Lesson 11 tells the days passed in message boxes.
  await page.goto(url + "?start=Lesson11");
  await titled(gravity[10], "?start=Lesson11");
  await page.click("#start");
  const message = await page
    .waitForSelector("#msgbox[open]", { timeout: 15000 })
    .then(() => page.evaluate(() => document.querySelector("#msgbox p").textContent))
    .catch(() => "");
  check(message === "4 days passed", 'a message box says "4 days passed" ("' + message + '")');
  await screenshot("message-box");
  await page.click("#msgbox button").catch(() => {});
  const next = await page
    .waitForFunction(() => document.querySelector("#msgbox p").textContent === "8 days passed", { timeout: 5000 })
    .then(() => true)
    .catch(() => false);
  check(next, "OK goes on to the next message");
  // The teacher's keys work over a box: Ctrl+Space pauses and leaves it open, Ctrl+M takes it
  // away with the lesson and opens the main menu.
  const boxOpen = () => page.evaluate(() => document.getElementById("msgbox").open);
  await ctrl("Space");
  await new Promise((r) => setTimeout(r, 300));
  const overBox = await playback();
  check(overBox.startsWith("Paused") && (await boxOpen()), "Ctrl+Space over a message box pauses and leaves it open (" + overBox + ")");
  await ctrl("Space");
  const openForM = await page
    .waitForSelector("#msgbox[open]", { timeout: 8000 })
    .then(() => true)
    .catch(() => false);
  await ctrl("m");
  await titled("MAIN MENU", "Ctrl+M over Lesson 11's message box");
  check(openForM && !(await boxOpen()), "Ctrl+M took the open message box away");
  await page.goto(url + "?start=Lesson11");
  await page.click("#start");
  await page.evaluate(() => document.getElementById("msgbox").close());
  await new Promise((r) => setTimeout(r, 300));
  await page.evaluate(() => {
    const d = document.getElementById("msgbox");
    if (d.open) d.close();
  });
  // A restless student: random keys, clicks on the scene and on the page's elements, typing,
  // message boxes and dialogs answered at random; afterwards the program still answers.
  let seed = 18;
  const rand = (n) => {
    seed = (seed * 1103515245 + 12345) % 2147483648;
    return seed % n;
  };
  for (let i = 0; i < 150; ++i) {
    const what = rand(8);
    if (what === 0) await page.keyboard.press(rand(2) ? "PageDown" : "PageUp");
    else if (what === 1) await ctrl(["r", "m", "a", "p"][rand(4)]);
    else if (what === 2) await page.mouse.click(rand(1280), 30 + rand(770));
    else if (what === 3 || what === 4) {
      const n = await page.evaluate(() => document.querySelectorAll(".page:last-child .controls > :not([hidden])").length);
      if (n) await page.click(".page:last-child .controls > :not([hidden]):nth-child(n)".replace("(n)", "(" + (1 + rand(n)) + ")")).catch(() => {});
    } else if (what === 5) {
      const box = await page.$(".page:last-child .textbox:not([hidden])");
      if (box) {
        await box.click().catch(() => {});
        await page.keyboard.type(["12", "-0", "1e308", "abc", "\u00e9\u4e2d", ""][rand(6)]);
      }
    } else if (what === 6) {
      await page.evaluate(() => {
        const d = document.getElementById("msgbox");
        if (d.open) d.close();
        const w = document.querySelector("dialog.window[open] .close");
        if (w) w.click();
      });
    } else {
      await new Promise((r) => setTimeout(r, 50 + rand(300)));
    }
  }
  await page.evaluate(() => {
    const d = document.getElementById("msgbox");
    if (d.open) d.close();
  });
  const alive = await page
    .waitForFunction(
      (menu) => {
        const d = document.getElementById("msgbox");
        if (d.open) d.close();
        if (document.title !== menu) document.dispatchEvent(new KeyboardEvent("keydown", { key: "m", ctrlKey: true }));
        return document.title === menu;
      },
      { timeout: 20000, polling: 500 },
      tab("MAIN MENU")
    )
    .then(() => true)
    .catch(() => false);
  check(alive, "after 150 random actions Ctrl+M still brings the main menu");
  await screenshot("after-random-actions");
  await clickLink(0);
  await titled(gravity[0], "1. Gravity after the random actions");

  await ctrl("e");
  const ended = await page
    .waitForSelector("#ended:not([hidden])", { timeout: 15000 })
    .then(() => true)
    .catch(() => false);
  check(ended, "Exit ends the program");

  // Exit after a picture was saved or copied: the program ends as always.
  const pictureDownloads = mkdtempSync(join(tmpdir(), "orbelune-downloads-"));
  await cdp.send("Browser.setDownloadBehavior", { behavior: "allow", downloadPath: pictureDownloads });
  for (const copy of [false, true]) {
    const what = copy ? "Copy Picture" : "Save Picture";
    await page.goto(url + "?start=Lesson1");
    await titled(gravity[0], "?start=Lesson1");
    await page.click("#start");
    const before = errors.length;
    if (copy) {
      await page.keyboard.down("Control");
      await page.keyboard.down("Shift");
      await page.keyboard.press("C");
      await page.keyboard.up("Shift");
      await page.keyboard.up("Control");
    } else {
      await ctrl("s");
    }
    const pictured = await page
      .waitForFunction(() => Orb.pictures.length === 1, { timeout: 10000 })
      .then(() => true)
      .catch(() => false);
    await ctrl("e");
    const gone = await page
      .waitForSelector("#ended:not([hidden])", { timeout: 5000 })
      .then(() => true)
      .catch(() => false);
    const title = await page.title();
    const thrown = errors.slice(before);
    check(pictured && gone && title === "Orbelune" && !thrown.length,
      "Exit after " + what + ' leaves "Start again" (title "' + title + '"' + (thrown.length ? ", " + thrown.join(" / ") : "") + ")");
  }
  rmSync(pictureDownloads, { recursive: true, force: true });

  // A lesson asked for in the address waits behind "Click to start", which has the keyboard.
  const sleep = (ms) => new Promise((r) => setTimeout(r, ms));
  const focusedId = () => page.evaluate(() => document.activeElement && document.activeElement.id);
  await page.goto(url + "?start=Lesson3");
  await titled(gravity[2], "?start=Lesson3");
  await sleep(300);
  const waiting = await scene();
  await sleep(4000);
  check((await scene()) === waiting, "?start=Lesson3: its countdown has not started 4 s later, behind Click to start");
  const startFocused = await focusedId();
  check(startFocused === "start", 'Lesson 3 behind the overlay: "Click to start" has the focus (' + startFocused + ")");
  await page.keyboard.press("Enter");
  const overlayGone = await page.evaluate(() => document.getElementById("overlay").hidden);
  await sleep(4000);
  check(overlayGone && (await scene()) !== waiting, "Enter presses Click to start and Lesson 3's countdown runs");
  await page.goto(url + "?start=optics1");
  await titled("Reflection at Circular Mirror", "?start=optics1");
  await sleep(500);
  const opticsFocused = await focusedId();
  check(opticsFocused === "start", 'optics 1 behind the overlay: "Click to start" has the focus (' + opticsFocused + ")");
  await page.keyboard.press("Enter");
  // The lesson puts its focus on its off-page button: no control of the page has it, nor the
  // overlay's button.
  const lessonFocus = await page
    .waitForFunction(() => document.getElementById("overlay").hidden && document.activeElement === document.body, { timeout: 5000 })
    .then(() => true)
    .catch(() => false);
  check(lessonFocus, "Enter starts optics 1 and the focus goes where the lesson puts it (off the page: nowhere)");

  // Names in the address as --lesson takes them; any other opens the main menu and says so.
  await page.goto(url + "?start=lesson9");
  await titled(gravity[8], "?start=lesson9");
  await page.goto(url + "?start=" + encodeURIComponent("lesson 4: HOW 'heavy' are earth and sun?"));
  await titled(gravity[3], "?start= a title in other letter cases");
  for (const name of ["Lesson99", "frmAbout"]) {
    await page.goto(url + "?start=" + name);
    await titled("MAIN MENU", "?start=" + name);
    const note = await page.evaluate(() => {
      const n = document.getElementById("startnote");
      return n && !n.hidden ? n.textContent : "";
    });
    const dialogs = await page.evaluate(() => document.querySelectorAll("dialog.window[open]").length);
    check(note.includes('"' + name + '"') && dialogs === 0, "?start=" + name + ': the main menu and a note ("' + note + '")');
  }
  await screenshot("unknown-start");
  const plainStart = async (name) => {
    await page.goto(url + (name === null ? "" : "?start=" + encodeURIComponent(name)));
    await titled("MAIN MENU", "?start=" + name);
    return page.evaluate(() => !document.getElementById("startnote")?.textContent);
  };
  check((await plainStart(null)) && (await plainStart("utama")) && (await plainStart("")),
    "the main menu asked for, or nothing asked for: no note");

  // In German: ?lang=de, the page's own texts, its lang attribute, the tab's title and the
  // captions drawn all from the catalogue (site/l10n/de.json, English where it has no entry);
  // then the Language menu takes the page back to English, restarting it, for this visit and
  // the next.
  const words = JSON.parse(readFileSync(join(site, "l10n", "de.json"), "utf8"));
  const de = (context, source) => words[context + "\u0004" + source] || source;
  await page.goto(url + "?start=Lesson3&lang=de");
  await titled(de("Courses", gravity[2]), "?lang=de: Lesson 3 in German");
  const overlay = await page.evaluate(() => document.getElementById("start").textContent);
  check(overlay === de("Browser", "Click to start"), '?lang=de: the overlay says "' + overlay + '"');
  await page.evaluate(() => {
    Orb.drawn = new Set();
    const text = Orb.text;
    Orb.text = function (chars, xs, cells, count) {
      let line = "";
      for (let i = 0; i < count; ++i) line += String.fromCodePoint(HEAPU32[(chars >> 2) + i]);
      Orb.drawn.add(line.trim());
      return text.apply(this, arguments);
    };
  });
  await page.click("#start");
  await sleep(1000);
  // A new size draws every caption again.
  await page.setViewport({ width: 1200, height: 760 });
  await sleep(1500);
  const german = await page.evaluate(() => ({
    lang: document.documentElement.lang,
    drawn: Array.from(Orb.drawn),
    menus: Array.from(Orb.views.get(Orb.active).menubar.querySelectorAll(".menutitle"), (b) => b.textContent),
    checked: Array.from(document.querySelectorAll('.page:not([hidden]) [role="menuitemradio"][aria-checked="true"]'), (b) => b.textContent),
    stages: Array.from(Orb.views.get(Orb.active).stage.querySelectorAll(".timeline .mark"), (m) => m.dataset.name),
  }));
  await page.setViewport({ width: 1280, height: 800 });
  await screenshot("Lesson3-de");
  check(german.lang === "de", '?lang=de: the page\'s lang is "' + german.lang + '"');
  for (const source of ["EARTH", "seconds"])
    check(german.drawn.includes(de("Lesson3", source)), '?lang=de: Lesson 3 shows "' + de("Lesson3", source) + '" (drawn: ' + german.drawn.slice(0, 8).join(" | ") + ")");
  const languageTitle = de("Language menu", "&Language").replace(/&/g, "");
  check(german.menus.includes(languageTitle) && german.checked.join() === "Deutsch",
    "?lang=de: the " + languageTitle + " menu, Deutsch ticked (" + german.menus.join(", ") + "; " + german.checked.join() + ")");
  await page.evaluate((title) => {
    const v = Orb.views.get(Orb.active);
    Array.from(v.menubar.querySelectorAll(".menutitle")).find((b) => b.textContent === title).click();
  }, languageTitle);
  await page.evaluate(() => Array.from(document.querySelectorAll('.page:not([hidden]) [role="menuitemradio"]')).find((b) => b.textContent === "English").click());
  await titled(gravity[2], "Language \u25b8 English: Lesson 3 in English");
  check(german.stages.includes(de("Lesson3", "The ball falls")), "?lang=de: the timeline names its stages in German (" + german.stages.join(", ") + ")");
  const english = await page.evaluate(() => [document.documentElement.lang, localStorage.getItem("orbelune.language")]);
  check(english.join() === "en,en", "Language \u25b8 English: lang and the choice kept (" + english.join() + ")");
  const stagesNow = await page.evaluate(() => Array.from(Orb.views.get(Orb.active).stage.querySelectorAll(".timeline .mark"), (m) => m.dataset.name));
  check(stagesNow.length === german.stages.length && stagesNow.includes("The ball falls"), "Language \u25b8 English: the timeline's stages follow (" + stagesNow.join(", ") + ")");
  await page.reload();
  await titled(gravity[2], "reload after Language \u25b8 English: still in English (" + page.url() + ")");
} finally {
  await browser.closeAll();
  server.kill();
}
check(errors.length === 0, "no errors on the console" + (errors.length ? ": " + errors.join(" / ") : ""));
console.log(checks - failures + " passed, " + failures + " failed");
process.exit(failures ? 1 : 0);
