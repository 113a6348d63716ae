// The browser tests' common ground: the site served on a port of its own and Debian's Chromium
// driven headless with a throwaway profile, pages that collect the console's errors.
import { spawn } from "node:child_process";
import { mkdtempSync, rmSync } from "node:fs";
import { tmpdir } from "node:os";
import { dirname, join } from "node:path";
import { fileURLToPath } from "node:url";
import puppeteer from "puppeteer-core";

const here = dirname(fileURLToPath(import.meta.url));
export const chromium = process.env.CHROMIUM || "/usr/bin/chromium";

// The site on http://127.0.0.1:port/ (0: any free port): { server, url }.
export function serve(site, port = 0) {
  const server = spawn(process.execPath, [join(here, "../../web/serve.mjs"), site, String(port)], {
    stdio: ["ignore", "pipe", "inherit"],
  });
  return new Promise((res, rej) => {
    server.stdout.once("data", (d) => res({ server, url: String(d).trim() }));
    server.once("exit", () => rej(new Error("server did not start")));
  });
}

// Chromium with a profile of its own, which close() removes with the browser.
export async function launch(profilePrefix = "orbelune-chromium-") {
  const profile = mkdtempSync(join(tmpdir(), profilePrefix));
  const browser = await puppeteer.launch({
    executablePath: chromium,
    headless: true,
    userDataDir: profile,
    args: ["--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run", "--disable-background-networking",
      "--disable-component-update", "--disable-sync"],
  });
  browser.closeAll = async () => {
    await browser.close();
    rmSync(profile, { recursive: true, force: true });
  };
  return browser;
}

// A new page whose console errors and uncaught exceptions go to errors.
export async function newPage(browser, errors, viewport = { width: 1280, height: 800 }) {
  const page = await browser.newPage();
  page.on("console", (m) => {
    if (m.type() === "error") errors.push(m.text());
  });
  page.on("pageerror", (e) => errors.push(String(e)));
  await page.setViewport(viewport);
  return page;
}

// The tab says the page's title, then the program's.
export const tab = (title) => title + " \u2013 Orbelune";
