// browser_test.mjs SITE_DIR SHOTS_DIR: the browser edition in headless Chromium. Walks the main
// menu, the gravity course with Next, back to the main menu and into the optics course; clicks
// three light sources and looks for their rays' colours; types into Lesson 12's box. Checks the
// title at each step and that the console stays free of errors; saves a screenshot of each page.
import { spawn } from "node:child_process";
import { mkdirSync, mkdtempSync, rmSync } from "node:fs";
import { tmpdir } from "node:os";
import { dirname, join, resolve } from "node:path";
import { fileURLToPath } from "node:url";
import puppeteer from "puppeteer-core";

const here = dirname(fileURLToPath(import.meta.url));
const site = resolve(process.argv[2] || "build-web/site");
const shots = resolve(process.argv[3] || "web-shots");
const chromium = process.env.CHROMIUM || "/usr/bin/chromium";
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

const server = spawn(process.execPath, [join(here, "../../web/serve.mjs"), site, "0"], {
  stdio: ["ignore", "pipe", "inherit"],
});
const url = await new Promise((res, rej) => {
  server.stdout.once("data", (d) => res(String(d).trim()));
  server.once("exit", () => rej(new Error("server did not start")));
});

const profile = mkdtempSync(join(tmpdir(), "orbelune-chromium-"));
const browser = await puppeteer.launch({
  executablePath: chromium,
  headless: true,
  userDataDir: profile,
  args: [
    "--no-sandbox",
    "--disable-gpu",
    "--disable-quic",
    "--no-first-run",
    "--disable-background-networking",
    "--disable-component-update",
    "--disable-sync",
  ],
});
const errors = [];
try {
  console.log("browser: " + (await browser.version()));
  const page = await browser.newPage();
  page.on("console", (m) => {
    if (m.type() === "error") errors.push(m.text());
  });
  page.on("pageerror", (e) => errors.push(String(e)));
  await page.setViewport({ width: 1280, height: 800 });

  const titled = async (title, what) => {
    const ok = await page
      .waitForFunction((t) => document.title === t, { timeout: 15000 }, title)
      .then(() => true)
      .catch(() => false);
    check(ok, what + ': title "' + title + '"' + (ok ? "" : ', got "' + (await page.title()) + '"'));
    return ok;
  };
  let shot = 0;
  const screenshot = async (name) => {
    await new Promise((r) => setTimeout(r, 400));
    await page.screenshot({ path: join(shots, String(++shot).padStart(2, "0") + "-" + name + ".png") });
  };
  // The centre of the active page's clickable label number i (the main menu's entries).
  const clickLink = async (i) => {
    const at = await page.evaluate((i) => {
      const v = Orb.views.get(Orb.active);
      const r = v.canvas.getBoundingClientRect();
      const l = v.links.slice().sort((a, b) => a[1] - b[1])[i];
      return l && [r.left + l[0] + l[2] / 3, r.top + l[1] + l[3] / 2];
    }, i);
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

  check(await clickLink(0), '"1. Gravity" is on the main menu');
  await titled(gravity[0], "1. Gravity");
  await screenshot("Lesson1");
  for (let i = 1; i < gravity.length; ++i) {
    await page.keyboard.press("PageDown");
    await titled(gravity[i], "Next");
    await screenshot("Lesson" + (i + 1));
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
  await screenshot("optics1");
  for (const title of ["Reflection at Parabolic Mirror", "3D Image of Parabola Antenna"]) {
    await page.keyboard.press("PageDown");
    await titled(title, "Next");
    await screenshot(title.split(" ").pop());
  }
  const menuKeys = await page.evaluate(() => Orb.views.get(Orb.active).items.map((i) => i.button.textContent));
  check(menuKeys.some((t) => t.includes("PageDown")), "the menu shows PageDown for Next: " + menuKeys.join(" | "));
} finally {
  await browser.close();
  server.kill();
  rmSync(profile, { recursive: true, force: true });
}
check(errors.length === 0, "no errors on the console" + (errors.length ? ": " + errors.join(" / ") : ""));
console.log(checks - failures + " passed, " + failures + " failed");
process.exit(failures ? 1 : 0);
