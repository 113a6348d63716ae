// a11y_test.mjs SITE_DIR NATIVE_DRIVER: the browser edition for screen readers and the keyboard.
// On every page axe-core finds no violation of WCAG 2.0 A/AA and 2.1 AA, and Chromium's
// accessibility tree holds, in order, every item the native driver's --reader reads from it at
// the same moment; Lesson 9's reveals and Lesson 10's message reach the live region; the main
// menu's entries work by Enter; the menu bar works by its arrows; Tab reaches nothing hidden and
// no off-page button.
import { execFileSync } from "node:child_process";
import { createRequire } from "node:module";
import { resolve } from "node:path";
import { launch, newPage, serve, tab } from "./chromium.mjs";

const site = resolve(process.argv[2] || "build-web/site");
const driver = resolve(process.argv[3] || process.env.ORBELUNE_NATIVE_DRIVER || "build/orbelune-script");
const axePath = createRequire(import.meta.url).resolve("axe-core/axe.min.js");
const forms = ["Utama", ...Array.from({ length: 12 }, (_, i) => "Lesson" + (i + 1)), "optics1", "optics2", "optics3"];
const sleep = (ms) => new Promise((r) => setTimeout(r, ms));

let failures = 0;
function check(ok, what) {
  if (!ok) failures++;
  console.log((ok ? "ok: " : "FAIL: ") + what);
}

// The driver's reading: [{role, name, value, checked}] and the announced texts.
function reading(args) {
  const out = execFileSync(driver, [...args, "--reader"], { encoding: "utf8" });
  const items = [], announced = [];
  for (const line of out.split("\n")) {
    const said = /^announced at \d+: (.*)$/.exec(line);
    if (said) announced.push(said[1]);
    const m = /^(text|formula|link|textbox|checkbox|button): (.*?)(?: \[(.*)\])?(?: \((checked|not checked)\))?$/.exec(line);
    if (m) items.push({ role: m[1], name: m[2], value: m[3], checked: m[4] && m[4] === "checked" });
  }
  return { items, announced };
}

// Chromium's tree in document order, as [role, name, value, checked].
async function tree(page) {
  const nodes = [];
  const walk = (n) => {
    nodes.push(n);
    for (const c of n.children || []) walk(c);
  };
  walk(await page.accessibility.snapshot({ interestingOnly: false }));
  return nodes;
}

// Every item of the reading in the tree, in the reading's order; returns what is missing.
function missing(items, nodes) {
  const roleOf = { text: "StaticText", formula: "StaticText", link: "link", textbox: "textbox", checkbox: "checkbox", button: "button" };
  let at = 0;
  for (const item of items) {
    const found = nodes.findIndex(
      (n, i) =>
        i >= at &&
        n.role === roleOf[item.role] &&
        n.name === item.name &&
        (item.value === undefined || (n.value || "") === item.value) &&
        (item.checked === undefined || n.checked === item.checked)
    );
    if (found < 0) return item.role + ": " + item.name;
    at = found + 1;
  }
  return null;
}

async function axe(page) {
  if (!(await page.evaluate(() => typeof window.axe === "object"))) await page.addScriptTag({ path: axePath });
  const result = await page.evaluate(() =>
    window.axe.run(document, { runOnly: { type: "tag", values: ["wcag2a", "wcag2aa", "wcag21aa"] } })
  );
  return result.violations.map((v) => v.id + " x" + v.nodes.length + " (" + v.nodes.slice(0, 2).map((n) => n.target.join(" ")).join(", ") + ")");
}

const { server, url } = await serve(site);
const browser = await launch();
const errors = [];
try {
  const page = await newPage(browser, errors);
  const title = () => page.evaluate(() => document.title);
  const open = async (form) => {
    await page.goto(url + "?start=" + form);
    await page.waitForFunction(() => document.title !== "Orbelune", { timeout: 15000 });
    await sleep(300);
  };

  // Each page as it opens, behind "Click to start" (its clock waits there), then playing. A
  // page that draws itself over frames as it opens (optics 3) is compared once that is done: it
  // shows its labels at the end and stays still after.
  const drawsFirst = { optics3: 4000 };
  for (const form of forms) {
    await open(form);
    const compare = async (until) => {
      const lost = missing(reading([form, "--until", String(until)]).items, await tree(page));
      check(!lost, form + ": the tree holds the driver's reading in order" + (lost ? ", not " + lost : ""));
    };
    if (!drawsFirst[form]) await compare(0);
    const canvas = await page.evaluate(() => {
      const v = Orb.views.get(Orb.active);
      return [v.canvas.getAttribute("role"), v.canvas.getAttribute("aria-label"), document.title];
    });
    check(tab(canvas[1]) === canvas[2] && canvas[0] === "img", form + ": the canvas is named by the page's title (" + canvas[1] + ")");
    await page.click("#start");
    await sleep(drawsFirst[form] || 1500);
    if (drawsFirst[form]) await compare(drawsFirst[form]);
    const violations = await axe(page);
    check(!violations.length, form + ": axe finds no WCAG A/AA violation" + (violations.length ? ": " + violations.join("; ") : ""));
  }

  // A moment later in a script: paused and moved there, in the browser as in the driver.
  await open("Lesson8");
  await page.click("#start");
  await page.keyboard.down("Control");
  await page.keyboard.press("Space");
  await page.keyboard.up("Control");
  await page.evaluate(() => Orb.push(Orb.EV.seek, Orb.active, 55000));
  await sleep(1500);
  const later = reading(["Lesson8", "--until", "1000", "--at", "100", "menu:pause", "--at", "200", "seek:55000"]).items;
  const lost = missing(later, await tree(page));
  check(later.length > 0 && !lost, "Lesson8 at 0:55: the tree holds the driver's reading" + (lost ? ", not " + lost : ""));

  // The About box: a dialog named by its title, without violations.
  await page.keyboard.down("Control");
  await page.keyboard.press("a");
  await page.keyboard.up("Control");
  await page.waitForSelector("dialog.window[open]", { timeout: 5000 });
  const about = await page.evaluate(() => {
    const d = document.querySelector("dialog.window[open]");
    return document.getElementById(d.getAttribute("aria-labelledby"))?.textContent;
  });
  const aboutViolations = await axe(page);
  check(about && !aboutViolations.length, "About: a dialog named " + about + ", no violation" + (aboutViolations.length ? ": " + aboutViolations.join("; ") : ""));
  await page.keyboard.press("Escape");
  await page.waitForFunction(() => !document.querySelector("dialog.window[open]"), { timeout: 5000 }).catch(() => {});

  // Lesson 9 played faster: what the driver announces, clocks aside, reaches the live region.
  await open("Lesson9");
  await page.click("#start");
  for (let i = 0; i < 3; ++i) {
    await page.keyboard.down("Control");
    await page.keyboard.press("=");
    await page.keyboard.up("Control");
  }
  const reveals = reading(["Lesson9"]).announced.filter((t) => !/^[0-9]+$/.test(t));
  const heard = await page
    .waitForFunction((texts) => {
      const said = Array.from(document.querySelectorAll("[aria-live=polite] p"), (p) => p.textContent);
      return texts.every((t) => said.includes(t));
    }, { timeout: 60000 }, reveals)
    .then(() => true, () => false);
  check(reveals.length > 0 && heard, "Lesson9: the live region receives its reveals (" + reveals.join(" | ") + ")");

  // Lesson 10's message box: said in the live region, a dialog without violations, OK by Enter.
  await open("Lesson10");
  await page.click("#start");
  await page.waitForSelector("#msgbox[open]", { timeout: 30000 });
  const message = await page.evaluate(() => document.querySelector("#msgbox p").textContent);
  const said = await page.evaluate(() => Array.from(document.querySelectorAll("[aria-live=polite] p"), (p) => p.textContent));
  const boxViolations = await axe(page);
  check(said.includes(message) && !boxViolations.length, 'Lesson10: "' + message + '" in the live region, no violation' + (boxViolations.length ? ": " + boxViolations.join("; ") : ""));
  await page.keyboard.press("Enter");
  const closed = await page.waitForFunction(() => !document.querySelector("#msgbox[open]"), { timeout: 5000 }).then(() => true, () => false);
  check(closed, "Lesson10: Enter answers the message box");

  // The main menu by keyboard alone: Tab to its first entry, Enter opens the course.
  await open("Utama");
  await page.click("#start");
  await sleep(500);
  let entry = "";
  for (let i = 0; i < 6 && entry !== "1. Gravity"; ++i) {
    await page.keyboard.press("Tab");
    entry = await page.evaluate(() => (document.activeElement.tagName === "A" ? document.activeElement.textContent : ""));
  }
  await page.keyboard.press("Enter");
  const course = await page.waitForFunction(() => document.title.startsWith("Lesson 1:"), { timeout: 10000 }).then(() => true, () => false);
  check(entry === "1. Gravity" && course, "main menu: Tab reaches \"1. Gravity\" and Enter opens Lesson 1 (" + (await title()) + ")");

  // The menu bar: F10, Right to the next menu, Down into it, Escape back to its title.
  await page.keyboard.press("F10");
  await page.keyboard.press("ArrowRight");
  const second = await page.evaluate(() => [document.activeElement.getAttribute("role"), document.activeElement.textContent]);
  await page.keyboard.press("ArrowDown");
  const inside = await page.evaluate(() => [document.activeElement.getAttribute("role"), document.activeElement.closest("[role=menu]") !== null]);
  await page.keyboard.press("Escape");
  const back = await page.evaluate(() => [document.activeElement.textContent, document.querySelectorAll(".page:not([hidden]) [role=menu]:not([hidden])").length]);
  check(second.join() === "menuitem,View" && inside.join() === "menuitem,true" && back.join() === "View,0",
    "menu bar: F10, Right, Down, Escape (" + JSON.stringify([second, inside, back]) + ")");

  // Tab round optics 1: only shown, named controls on the page, never the off-page button.
  await open("optics1");
  await page.click("#start");
  await sleep(800);
  const reached = [];
  for (let i = 0; i < 30; ++i) {
    await page.keyboard.press("Tab");
    reached.push(await page.evaluate(() => {
      const e = document.activeElement;
      const r = e.getBoundingClientRect();
      const shown = r.width > 0 && r.right > 0 && r.bottom > 0 && r.left < innerWidth && r.top < innerHeight;
      const hidden = e.closest("[aria-hidden=true]") !== null;
      if (e === document.body) return "(nothing)";
      return (e.closest("[data-control]")?.dataset.control || e.textContent) + (shown && !hidden ? "" : " (HIDDEN)");
    }));
  }
  check(!reached.some((r) => r.includes("HIDDEN") || r === "dum"), "optics1: Tab reaches only shown controls: " + [...new Set(reached)].join(", "));
} catch (err) {
  check(false, "the test ran through: " + (err && err.stack ? err.stack : err));
} finally {
  await browser.closeAll();
  server.kill();
}
check(errors.length === 0, "no console errors" + (errors.length ? ": " + errors.join(" | ") : ""));
console.log(failures ? failures + " failed" : "all passed");
process.exit(failures ? 1 : 0);
