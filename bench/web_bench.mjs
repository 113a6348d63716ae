// web_bench.mjs [SITE_DIR] [--json]: the browser edition in headless Chromium (1920 x 1080).
// Measures the main menu's first frame after the page starts loading (median of 5 cold loads,
// each in a fresh profile, so that neither the HTTP cache nor the service worker serves it),
// the same on a slow link with a slow computer (Chromium's throttling: 1.6 Mbit/s down,
// 150 ms latency, the CPU slowed 4x; median of 3), the frames of Lesson 9's orbit and Lesson
// 11's flights (rate and longest gap of every in-tick animation, the lessons' beeps and message
// boxes left out), the size of the .wasm and the .js, raw and gzip-compressed, and the whole
// site as web/serve.mjs sends it (brotli where it compresses, else as is) and with gzip. Needs puppeteer-core in tests/web/node_modules (bash scripts/web.sh
// --test installs it).
import { spawn } from "node:child_process";
import { mkdtempSync, readFileSync, rmSync } from "node:fs";
import { createRequire } from "node:module";
import { tmpdir } from "node:os";
import { dirname, join, resolve } from "node:path";
import { fileURLToPath } from "node:url";
import { readdirSync, statSync } from "node:fs";
import { brotliCompressSync, constants, gzipSync } from "node:zlib";

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

  // A cold load in a profile of its own: the main menu's first frame after navigation start.
  const coldFirstFrame = async (slow) => {
    const context = await browser.createBrowserContext();
    const p = await context.newPage();
    await p.setViewport({ width: 1920, height: 1080 });
    if (slow) {
      const cdp = await p.createCDPSession();
      await cdp.send("Network.enable");
      await cdp.send("Network.emulateNetworkConditions", {
        offline: false, latency: 150, downloadThroughput: 1.6e6 / 8, uploadThroughput: 750e3 / 8,
      });
      await cdp.send("Emulation.setCPUThrottlingRate", { rate: 4 });
    }
    const fetched = new Map();
    p.on("request", (r) => fetched.set(r.url(), (fetched.get(r.url()) || 0) + 1));
    await p.goto(url + "?measure=1");
    await p.waitForFunction(() => Orb.firstFrame > 0, { timeout: 60000 });
    for (const [u, n] of fetched) if (n > 1 && /\.(js|wasm|woff2)$/.test(u)) result.failures.push(u + " fetched " + n + " times in one load");
    const t = await p.evaluate(() => Orb.firstFrame);
    await context.close();
    return t;
  };
  const median = (xs) => xs.sort((a, b) => a - b)[xs.length >> 1];
  const first = [];
  for (let i = 0; i < 5; ++i) first.push(await coldFirstFrame(false));
  result.first_frame_ms = +median(first).toFixed(1);
  const slow = [];
  for (let i = 0; i < 3; ++i) slow.push(await coldFirstFrame(true));
  result.first_frame_slow_ms = +median(slow).toFixed(1);

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
// The whole site, every file as web/serve.mjs sends it (fonts and pictures are compressed
// already), and with gzip where it compresses, as most servers do.
const files = (dir) => readdirSync(dir).flatMap((f) => (statSync(join(dir, f)).isDirectory() ? files(join(dir, f)) : [join(dir, f)]));
const site_ = { files: 0, bytes: 0, brotli_bytes: 0, gzip_bytes: 0 };
for (const f of files(site)) {
  const data = readFileSync(f);
  const packs = /\.(html|js|wasm|json|webmanifest|css|svg)$/.test(f);
  site_.files++;
  site_.bytes += data.length;
  site_.brotli_bytes += packs ? brotliCompressSync(data, { params: { [constants.BROTLI_PARAM_QUALITY]: 11 } }).length : data.length;
  site_.gzip_bytes += packs ? gzipSync(data, { level: 9 }).length : data.length;
}
result.site = site_;
if (site_.brotli_bytes >= 400 * 1000) result.failures.push("the site is " + site_.brotli_bytes + " bytes compressed (target under 400 KB)");

if (json) {
  console.log(JSON.stringify(result));
} else {
  console.log("browser                  " + result.browser);
  console.log("first frame (main menu)  " + result.first_frame_ms + " ms");
  console.log("the same, throttled      " + result.first_frame_slow_ms + " ms (1.6 Mbit/s, 150 ms, CPU 4x)");
  for (const f of ["Lesson9", "Lesson11"]) {
    const r = result[f];
    console.log(f.padEnd(25) + r.animations + " animations, " + r.frames + " frames, lowest " + r.min_fps +
      " fps, longest gap " + r.worst_gap_ms + " ms, " + r.late_frames + " over 50 ms");
  }
  for (const f of ["orbelune.wasm", "orbelune.js"]) {
    const r = result[f];
    console.log(f.padEnd(25) + (r.bytes / 1024).toFixed(0) + " KiB, gzip " + (r.gzip_bytes / 1024).toFixed(0) + " KiB");
  }
  const s = result.site;
  console.log("whole site               " + s.files + " files, " + (s.bytes / 1000).toFixed(0) + " KB, brotli " + (s.brotli_bytes / 1000).toFixed(0) +
    " KB, gzip " + (s.gzip_bytes / 1000).toFixed(0) + " KB");
  for (const f of result.failures) console.log("failed: " + f);
}
process.exit(result.failures.length ? 1 : 0);
