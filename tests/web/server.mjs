// A static server for the site, as any web server would host it: text and WebAssembly sent
// gzipped to a browser that takes it. Every answer is to be checked again before it is used
// from a cache, as a developer's server should. The folder
// it serves is server.site, which a test may change to serve another build in place.
import { createServer } from "node:http";
import { readFile } from "node:fs/promises";
import { extname, join, normalize } from "node:path";
import { gzipSync } from "node:zlib";

// what web servers compress: the pictures and the packed data are left as they are
const COMPRESSED = new Set([".html", ".js", ".css", ".wasm", ".txt", ".webmanifest"]);
const TYPES = {
    ".html": "text/html; charset=utf-8", ".js": "text/javascript", ".css": "text/css",
    ".wasm": "application/wasm", ".data": "application/octet-stream", ".txt": "text/plain; charset=utf-8",
    ".webmanifest": "application/manifest+json", ".png": "image/png",
};

export function serve(site, port = 0, host = "127.0.0.1") {
    const server = createServer(async (request, response) => {
        const path = normalize(decodeURIComponent(new URL(request.url, "http://x").pathname));
        const file = join(server.site, path.endsWith("/") ? path + "index.html" : path);
        try {
            const body = await readFile(file);
            const headers = { "Content-Type": TYPES[extname(file)] || "application/octet-stream",
                "Cache-Control": "no-cache", "Vary": "Accept-Encoding" };
            const gzip = COMPRESSED.has(extname(file)) && /\bgzip\b/.test(request.headers["accept-encoding"] ?? "");
            if (gzip) {
                headers["Content-Encoding"] = "gzip";
            }
            response.writeHead(200, headers);
            response.end(gzip ? gzipSync(body) : body);
        } catch {
            response.writeHead(404);
            response.end("not found");
        }
    });
    server.site = site;
    return new Promise((resolve) => server.listen(port, host, () => resolve(server)));
}
