// web_bench.mjs [SITE_DIR] [--json]: the browser edition in headless Chromium (1920 x 1080).
// Measures the main menu's first frame after the page starts loading (median of 5 cold loads),
// the frames of Lesson 9's orbit and Lesson 11's flights (rate and longest gap of every in-tick
// animation, the lessons' beeps and message boxes left out), and the size of the .wasm and the
// .js, raw and gzip-compressed. Needs puppeteer-core in tests/web/node_modules (bash scripts/web.sh
// --test installs it).
import { spawn } from "node:child_process";
import { mkdtempSync, readFileSync, rmSync } from "node:fs";
import { createRequire } from "node:module";
import { tmpdir } from "node:os";
import { dirname, join, resolve } from "node:path";
import { fileURLToPath } from "node:url";
import { gzipSync } from "node:zlib";

const here = dirname(fileURLToPath(import.meta.url));
const args = process.argv.slice(2);
const json = args.includes("--json");
const site = resolve(args.find((a) => !a.startsWith("--")) || join(here, "../build-web/site"));
const require = createRequire(join(here, "../tests/web/package.json"));
const puppeteer = (await import(require.resolve("puppeteer-core"))).default;
const sleep = (ms) => new Promise((r) => setTimeout(r, ms));

const server = spawn(process.execPath, [join(here, "../web/serve.mjs"), site, "0"], {
  stdio: ["ignore", "pipe", "inherit"],
});
const url = await new Promise((res) => server.stdout.once("data", (d) => res(String(d).trim())));
const profile = mkdtempSync(join(tmpdir(), "orbelune-bench-"));
const browser = await puppeteer.launch({
  executablePath: process.env.CHROMIUM || "/usr/bin/chromium",
  headless: true,
  userDataDir: profile,
  args: ["--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
    "--disable-background-networking", "--disable-component-update", "--disable-sync"],
});

const result = { browser: await browser.version(), failures: [] };
try {
  const page = await browser.newPage();
  await page.setViewport({ width: 1920, height: 1080 });
  await page.setCacheEnabled(false);

  const first = [];
  for (let i = 0; i < 5; ++i) {
    await page.goto(url + "?measure=1");
    await page.waitForFunction(() => Orb.firstFrame > 0, { timeout: 20000 });
    first.push(await page.evaluate(() => Orb.firstFrame));
  }
  first.sort((a, b) => a - b);
  result.first_frame_ms = +first[2].toFixed(1);

  // Every run of paced frames between two ends of a handler, beep or message box.
  const animations = async (form, seconds) => {
    await page.goto(url + "?measure=1&start=" + form);
    await page.waitForFunction(() => Orb.firstFrame > 0, { timeout: 20000 });
    await page.click("#start");
    const until = Date.now() + seconds * 1000;
    while (Date.now() < until) {
      // A message box is answered as soon as it opens, as a student reading fast would.
      await page.evaluate(() => {
        const d = document.getElementById("msgbox");
        if (d.open) d.close();
      });
      await sleep(50);
    }
    const marks = await page.evaluate(() => Orb.frames);
    const runs = [];
    let run = [];
    for (const t of marks.concat([-1])) {
      if (t >= 0) {
        run.push(t);
        continue;
      }
      if (run.length >= 10) runs.push(run);
      run = [];
    }
    let frames = 0, minFps = Infinity, worstGap = 0, late = 0;
    for (const r of runs) {
      frames += r.length;
      minFps = Math.min(minFps, ((r.length - 1) * 1000) / (r[r.length - 1] - r[0]));
      for (let i = 1; i < r.length; ++i) {
        const gap = r[i] - r[i - 1];
        worstGap = Math.max(worstGap, gap);
        if (gap > 50) late++;
      }
    }
    if (!runs.length) result.failures.push(form + ": no animation measured");
    return {
      animations: runs.length,
      frames,
      min_fps: runs.length ? +minFps.toFixed(1) : null,
      worst_gap_ms: +worstGap.toFixed(1),
      late_frames: late,
    };
  };
  result.Lesson9 = await animations("Lesson9", 18);
  result.Lesson11 = await animations("Lesson11", 32);
} finally {
  await browser.close();
  server.kill();
  rmSync(profile, { recursive: true, force: true });
}

for (const f of ["orbelune.wasm", "orbelune.js"]) {
  const data = readFileSync(join(site, f));
  result[f] = { bytes: data.length, gzip_bytes: gzipSync(data, { level: 9 }).length };
}

if (json) {
  console.log(JSON.stringify(result));
} else {
  console.log("browser                  " + result.browser);
  console.log("first frame (main menu)  " + result.first_frame_ms + " ms");
  for (const f of ["Lesson9", "Lesson11"]) {
    const r = result[f];
    console.log(f.padEnd(25) + r.animations + " animations, " + r.frames + " frames, lowest " + r.min_fps +
      " fps, longest gap " + r.worst_gap_ms + " ms, " + r.late_frames + " over 50 ms");
  }
  for (const f of ["orbelune.wasm", "orbelune.js"]) {
    const r = result[f];
    console.log(f.padEnd(25) + (r.bytes / 1024).toFixed(0) + " KiB, gzip " + (r.gzip_bytes / 1024).toFixed(0) + " KiB");
  }
  for (const f of result.failures) console.log("failed: " + f);
}
process.exit(result.failures.length ? 1 : 0);
