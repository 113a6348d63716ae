// monkey.mjs SITE_DIR [--seed N] [--seconds S] [--skip two-pages|pictures]: random input to the browser
// edition in headless Chromium, as a restless student would give it: keys (the shortcuts, the
// teacher's controls, Tab, Enter, letters), clicks and taps anywhere, clicks on the page's
// elements, the menus by mouse and keyboard, typing into text boxes, Save and Copy Picture,
// About, message boxes answered or left open, Exit and "Start again". After every action:
// no page error and no console error, the page answers (an evaluate returns within a bound),
// exactly one page view is shown (none once the program has ended, and then "Start again" is),
// also sampled while the monkey waits. A seed gives the same actions again; a failure prints
// the seed, the action's number and the last actions. Default: seed 1, 120 seconds.
// --skip two-pages leaves out the one-page check, --skip pictures Save and Copy Picture (for
// looking past a known fault by hand).
import { mkdtempSync, rmSync } from "node:fs";
import { tmpdir } from "node:os";
import { join, resolve } from "node:path";
import { launch, newPage, serve } from "./chromium.mjs";

const args = process.argv.slice(2);
const option = (name, fallback) => {
  const i = args.indexOf(name);
  return i >= 0 && i + 1 < args.length ? args[i + 1] : fallback;
};
const site = resolve(args.find((a, i) => !a.startsWith("--") && !(i > 0 && args[i - 1].startsWith("--"))) || "build-web/site");
const seed = Number(option("--seed", "1"));
const seconds = Number(option("--seconds", "120"));
const skip = new Set(args.flatMap((a, i) => (i > 0 && args[i - 1] === "--skip" ? [a] : [])));
if (!Number.isInteger(seed) || !(seconds > 0)) {
  console.error("usage: node monkey.mjs SITE_DIR [--seed N] [--seconds S] [--skip two-pages|pictures]");
  process.exit(2);
}

// A small generator of its own (mulberry32), so that a seed means the same actions everywhere.
let state = seed >>> 0;
const random = () => {
  state = (state + 0x6d2b79f5) >>> 0;
  let t = state;
  t = Math.imul(t ^ (t >>> 15), t | 1);
  t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
  return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
};
const pick = (list) => list[Math.floor(random() * list.length)];
const sleep = (ms) => new Promise((r) => setTimeout(r, ms));

const starts = ["", "Lesson10", "Lesson11", "Lesson10", "Lesson11", "optics2", "optics3", "Lesson3", "Lesson8", "Lesson9"];
const texts = ["12", "-0", "1e308", "abc", "\u00e9\u4e2d", "", " ", "3000", "nan", "x".repeat(200)];
// [key, modifiers]: the menus' shortcuts and the teacher's controls, the browser's own keys for
// Next and Previous, and keys a student presses anyway.
const allKeys = [
  ["PageDown"], ["PageUp"], ["p", ["Control"]], ["n", ["Control"]], ["r", ["Control"]], ["m", ["Control"]],
  ["a", ["Control"]], [" ", ["Control"]], ["Pause"], ["-", ["Control"]], ["=", ["Control"]], ["+", ["Control", "Shift"]],
  ["0", ["Control"]], [".", ["Control"]], ["F11"], ["Escape"], ["s", ["Control"]], ["C", ["Control", "Shift"]],
  ["Tab"], ["Tab", ["Shift"]], ["Enter"], [" "], ["ArrowDown"], ["ArrowRight"], ["x"], ["7"], ["F10"],
];
const picture = (k) => k[1] && ((k[0] === "s" && k[1].length === 1) || k[0] === "C");
const keys = skip.has("pictures") ? allKeys.filter((k) => !picture(k)) : allKeys;

const { server, url } = await serve(site);
const browser = await launch("orbelune-monkey-");
const downloads = mkdtempSync(join(tmpdir(), "orbelune-monkey-downloads-"));

const errors = [];
const log = [];
const seen = { titles: new Set(), messages: 0, dialogs: 0, exits: 0 };
let action = 0;
let failed = "";
const fail = (what) => {
  if (!failed) failed = what;
};

try {
  const page = await newPage(browser, errors, { width: 1280, height: 800, hasTouch: true });
  page.on("dialog", (d) => d.dismiss().catch(() => {}));
  const cdp = await page.createCDPSession();
  await cdp.send("Browser.setDownloadBehavior", { behavior: "allow", downloadPath: downloads });
  await browser.defaultBrowserContext().overridePermissions(url, ["clipboard-read", "clipboard-write", "clipboard-sanitized-write"]);

  // Resolves to the evaluate's value, or to the marker when the page does not answer in time.
  const late = Symbol("late");
  const answer = async (fn, arg, ms = 10000) => {
    for (let tries = 0; ; ++tries) {
      try {
        return await Promise.race([page.evaluate(fn, arg), sleep(ms).then(() => late)]);
      } catch (e) {
        // "Start again" reloads the page: its old context goes away under the evaluate.
        if (tries < 5 && /context|detached|navigat/i.test(e.message)) await sleep(300);
        else return "an evaluate failed: " + e.message;
      }
    }
  };

  // What the student sees: the program's state, the pages shown, dialogs and message box open.
  const look = () =>
    answer(() => {
      if (typeof Orb === "undefined") return { loading: true };
      const shown = Array.from(document.querySelectorAll("#pages > .page")).filter((p) => !p.hidden);
      const ended = document.getElementById("ended");
      return {
        loading: !document.getElementById("overlay").hidden,
        ended: Orb.ended,
        again: !ended.hidden && ended.querySelector("button").textContent,
        // (In the language the Language menu chose last.)
        againWords: Orb.tr("Browser", "Start again"),
        mainMenu: document.title.startsWith(Orb.tr("Utama", "MAIN MENU")),
        pages: shown.length,
        title: document.title,
        message: document.getElementById("msgbox").open,
        dialog: !!document.querySelector("dialog.window[open]"),
      };
    });

  const check = async () => {
    if (errors.length) return fail("an error in the page: " + errors.join(" / "));
    const s = await look();
    if (s === late) return fail("the page did not answer within 10 s");
    if (typeof s === "string") return fail(s);
    if (s.loading) return s;
    seen.titles.add(s.title);
    if (s.message) seen.messages++;
    if (s.dialog) seen.dialogs++;
    if (s.ended) {
      if (s.pages !== 0) fail("the program ended with " + s.pages + " pages still shown");
      else if (s.again !== s.againWords) fail('the program ended without "Start again" (' + s.again + ")");
    } else if (s.pages !== 1 && !skip.has("two-pages")) fail(s.pages + " page views shown at once (" + s.title + ")");
    return s;
  };

  const start = async () => {
    const name = pick(starts);
    log[log.length - 1] += " " + (name ? "?start=" + name : "the site");
    await page.goto(url + (name ? "?start=" + name : ""));
    await page.waitForFunction(() => typeof Orb !== "undefined" && document.title !== "Orbelune", { timeout: 20000 })
      .catch(() => fail("the site did not load within 20 s"));
    await page.click("#start").catch(() => {});
  };

  const press = async (key, mods = []) => {
    for (const m of mods) await page.keyboard.down(m);
    await page.keyboard.press(key);
    for (const m of mods.slice().reverse()) await page.keyboard.up(m);
  };

  // A random element among those the selector finds, clicked; false when there is none.
  const clickOne = async (selector, except) => {
    let all = await page.$$(selector);
    if (except) {
      const texts = await Promise.all(all.map((e) => e.evaluate((el) => el.textContent).catch(() => "")));
      all = all.filter((e, i) => !except.test(texts[i]));
    }
    const r = random();
    if (!all.length) return false;
    const e = all[Math.floor(r * all.length)];
    await e.click().catch(() => {});
    return true;
  };

  const shownPage = "#pages > .page:not([hidden])";
  const steps = [
    // [weight, what, how]
    [22, "key", async () => {
      const [k, mods] = pick(keys);
      log[log.length - 1] += " " + (mods ? mods.join("+") + "+" : "") + k;
      await press(k, mods);
    }],
    [12, "click", async () => {
      const x = Math.floor(random() * 1280), y = Math.floor(random() * 800);
      log[log.length - 1] += " at " + x + "," + y;
      await page.mouse.click(x, y);
    }],
    [5, "tap", async () => {
      const x = Math.floor(random() * 1280), y = Math.floor(random() * 800);
      log[log.length - 1] += " at " + x + "," + y;
      await page.touchscreen.tap(x, y);
    }],
    [12, "click on an element", async () => {
      await clickOne(shownPage + " .controls > :not([hidden]), dialog.window[open] .controls > :not([hidden])");
    }],
    [8, "type", async () => {
      const text = pick(texts);
      const toEnd = random() < 0.5;
      log[log.length - 1] += ' "' + text.slice(0, 12) + '"';
      if (await clickOne(shownPage + " .textbox:not([hidden])")) {
        if (toEnd) await press("End");
        await page.keyboard.type(text);
      }
    }],
    [8, "menu", async () => {
      const titles = await page.$$(shownPage + " .menutitle");
      const r = random(), item = random() < 0.8;
      if (!titles.length) return;
      await titles[Math.floor(r * titles.length)].click().catch(() => {});
      await sleep(100);
      const items = shownPage + " .menulist:not([hidden]) .menuitem:not([disabled])";
      if (item) await clickOne(items, skip.has("pictures") ? /Picture/ : null);
    }],
    [3, "Save Picture", async () => skip.has("pictures") || press("s", ["Control"])],
    [3, "Copy Picture", async () => skip.has("pictures") || press("C", ["Control", "Shift"])],
    [3, "About", async () => press("a", ["Control"])],
    [10, "answer", async () => {
      const how = pick(["OK", "Enter", "Escape", "close", " "]);
      log[log.length - 1] += " " + how;
      if (how === "OK") await page.click("#msgbox[open] button").catch(() => {});
      else if (how === "close") await page.click("dialog.window[open] .close").catch(() => {});
      else await press(how);
    }],
    [12, "wait", async () => {
      const ms = 200 + Math.floor(random() * 2500);
      log[log.length - 1] += " " + ms + " ms";
      // The one-page check also while the program runs on its own.
      for (const end = Date.now() + ms; Date.now() < end && !failed; ) {
        await sleep(100);
        await check();
      }
    }],
    [3, "open a page and watch it", async () => {
      const ms = 4000 + Math.floor(random() * 5000);
      await start();
      log[log.length - 1] += " for " + ms + " ms";
      for (const end = Date.now() + ms; Date.now() < end && !failed; ) {
        await sleep(100);
        await check();
      }
    }],
    [2, "Exit", async () => {
      const byMenu = random() < 0.5;
      log[log.length - 1] += byMenu ? " from the menu" : " by its key";
      let done = false;
      if (byMenu && (await page.$(shownPage + " .menutitle"))) {
        await page.click(shownPage + " .menutitle").catch(() => {});
        const exit = await page.evaluateHandle((sel) =>
          Array.from(document.querySelectorAll(sel)).find((b) => b.querySelector(".caption").textContent === "Exit"),
          shownPage + " .menuitem");
        if (exit.asElement()) done = await exit.asElement().click().then(() => true).catch(() => false);
      }
      if (!done) await press("e", ["Control"]);
      const s = await page
        .waitForFunction(() => Orb.ended || document.getElementById("msgbox").open, { timeout: 5000 })
        .then(() => look())
        .catch(() => look());
      if (s && s.ended) {
        await check();
        if (failed) return;
        log[log.length - 1] += ", Start again";
        seen.exits++;
        await page.click("#ended button").catch(() => fail('"Start again" could not be pressed'));
        await page.waitForFunction(() => typeof Orb !== "undefined" && !Orb.ended && !document.getElementById("overlay").hidden, { timeout: 20000 })
          .catch(() => fail('"Start again" did not start the program again'));
        await page.click("#start").catch(() => {});
      } else if (s && typeof s === "object" && !s.message && !s.dialog && !s.loading && !s.mainMenu) {
        // (The main menu has no Exit, and the page's keys are not About's.)
        fail("Exit did not end the program within 5 s (" + s.title + ")");
      }
    }],
  ];
  const total = steps.reduce((n, s) => n + s[0], 0);

  console.log("monkey: seed " + seed + ", " + seconds + " s");
  log.push("0: open");
  await start();
  const until = Date.now() + seconds * 1000;
  while (Date.now() < until && !failed) {
    ++action;
    let r = random() * total;
    const step = steps.find((s) => (r -= s[0]) < 0) || steps[steps.length - 1];
    log.push(action + ": " + step[1]);
    const before = await look();
    if (before && before.ended) {
      // Ended by a menu item or a key on the way: start again as a student would.
      await page.click("#ended button").catch(() => {});
      await page.waitForFunction(() => typeof Orb !== "undefined" && !Orb.ended, { timeout: 20000 }).catch(() => {});
      await page.click("#start").catch(() => {});
      log[log.length - 1] += " (after Start again)";
    }
    await step[2]();
    await sleep(50);
    await check();
  }
  if (!failed) {
    // Whatever was done before, Exit ends the program once its message boxes are answered.
    for (let i = 0; i < 20; ++i) {
      const s = await look();
      if (s.ended || (!s.message && !s.dialog)) break;
      await page.evaluate(() => {
        const d = document.getElementById("msgbox");
        if (d.open) d.close();
        const w = document.querySelector("dialog.window[open] .close");
        if (w) w.click();
      });
      await sleep(300);
    }
    log.push("final Exit");
    // The main menu has no Exit: its first course's first lesson has.
    const atMainMenu = () => document.title.startsWith(Orb.tr("Utama", "MAIN MENU"));
    if (await page.evaluate(atMainMenu)) {
      await press("1");
      await page.waitForFunction(() => !document.title.startsWith(Orb.tr("Utama", "MAIN MENU")), { timeout: 5000 }).catch(() => {});
    }
    await press("e", ["Control"]);
    const ended = await page.waitForFunction(() => Orb.ended, { timeout: 10000 }).then(() => true).catch(() => false);
    if (!ended) fail("the final Exit did not end the program (" + (await page.title()) + ")");
    await check();
  }
} catch (e) {
  fail("the monkey itself failed: " + (e.stack || e));
} finally {
  await browser.closeAll();
  server.kill();
  rmSync(downloads, { recursive: true, force: true });
}
if (failed) {
  console.log("FAIL: seed " + seed + ", action " + action + ": " + failed);
  console.log("the last actions:\n  " + log.slice(-12).join("\n  "));
  console.log("again: node tests/web/monkey.mjs " + site + " --seed " + seed + " --seconds " + seconds +
    [...skip].map((k) => " --skip " + k).join(""));
  process.exit(1);
}
console.log("monkey: " + action + " actions, no fault (seed " + seed + "); " + seen.titles.size + " titles seen, " +
  seen.exits + " exits, looked at " + seen.messages + " times with a message box open and " + seen.dialogs + " times with About open");
