// serve.mjs DIR PORT: serves the static site on 127.0.0.1 (the .wasm must come over http, with
// its own content type, for the browser to compile it while it loads).
import { createServer } from "node:http";
import { readFile } from "node:fs/promises";
import { extname, join, normalize, sep } from "node:path";

const [root = "build-web/site", port = "8080"] = process.argv.slice(2);
const types = {
  ".html": "text/html; charset=utf-8",
  ".js": "text/javascript; charset=utf-8",
  ".wasm": "application/wasm",
  ".woff2": "font/woff2",
  ".ttf": "font/ttf",
  ".png": "image/png",
  ".json": "application/json",
  ".webmanifest": "application/manifest+json",
  ".css": "text/css; charset=utf-8",
};

const server = createServer(async (req, res) => {
  let file;
  try {
    let path = decodeURIComponent(new URL(req.url, "http://localhost").pathname);
    if (path.endsWith("/")) path += "index.html";
    file = normalize(join(root, path));
  } catch {
    res.writeHead(400).end();
    return;
  }
  if (!file.startsWith(normalize(root) + sep)) {
    res.writeHead(403).end();
    return;
  }
  try {
    const body = await readFile(file);
    res.writeHead(200, {
      "Content-Type": types[extname(file)] || "application/octet-stream",
      "Cache-Control": "no-cache",
    });
    res.end(body);
  } catch {
    res.writeHead(404, { "Content-Type": "text/plain" }).end("not found\n");
  }
});
server.listen(Number(port), "127.0.0.1", () => {
  console.log(`http://127.0.0.1:${server.address().port}/`);
});
