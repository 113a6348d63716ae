// serve.mjs DIR PORT: serves the static site on 127.0.0.1 (the .wasm must come over http, with
// its own content type, for the browser to compile it while it loads). Text and the .wasm go
// compressed where the browser takes it: brotli, else gzip.
import { createServer } from "node:http";
import { readFile, stat } from "node:fs/promises";
import { brotliCompressSync, constants, gzipSync } from "node:zlib";
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
// Fonts (WOFF2) and PNG pictures are compressed already.
const compressible = new Set([".html", ".js", ".wasm", ".json", ".webmanifest", ".css", ".svg"]);
const packed = new Map();  // file, encoding -> [modified time, body]
function pack(file, mtime, body, encoding) {
  const key = file + "\0" + encoding;
  const hit = packed.get(key);
  if (hit && hit[0] === mtime) return hit[1];
  const out =
    encoding === "br"
      ? brotliCompressSync(body, { params: { [constants.BROTLI_PARAM_QUALITY]: 11, [constants.BROTLI_PARAM_SIZE_HINT]: body.length } })
      : gzipSync(body, { level: 9 });
  packed.set(key, [mtime, out]);
  return out;
}

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
    const [info, raw] = await Promise.all([stat(file), readFile(file)]);
    const headers = {
      "Content-Type": types[extname(file)] || "application/octet-stream",
      "Cache-Control": "no-cache",
    };
    let body = raw;
    if (compressible.has(extname(file))) {
      headers["Vary"] = "Accept-Encoding";
      const accepts = String(req.headers["accept-encoding"] || "");
      const encoding = /\bbr\b/.test(accepts) ? "br" : /\bgzip\b/.test(accepts) ? "gzip" : "";
      if (encoding) {
        body = pack(file, info.mtimeMs, raw, encoding);
        headers["Content-Encoding"] = encoding;
      }
    }
    headers["Content-Length"] = body.length;
    res.writeHead(200, headers);
    res.end(req.method === "HEAD" ? undefined : body);
  } catch {
    res.writeHead(404, { "Content-Type": "text/plain" }).end("not found\n");
  }
});
server.listen(Number(port), "127.0.0.1", () => {
  console.log(`http://127.0.0.1:${server.address().port}/`);
});
