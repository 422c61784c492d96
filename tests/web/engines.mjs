// The browser engines as the scenarios that run in every engine see them: a driver with a
// few verbs (open a page, run a script in it, its frame, a key pressed), so a scenario is
// written once. Chromium and Firefox are driven by puppeteer-core (the DevTools protocol
// and WebDriver BiDi), WebKitGTK by its WebKitWebDriver (classic WebDriver over HTTP).
// Firefox and WebKit draw WebGL only with a display: the tests run under Xvfb.
import puppeteer from "puppeteer-core";
import { execFileSync, spawn } from "node:child_process";
import { existsSync, mkdtempSync, readFileSync, readdirSync, rmSync, writeFileSync } from "node:fs";
import http from "node:http";
import { createServer } from "node:net";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { serve } from "./server.mjs";
import { SITE, playerIn, sleep } from "./lib.mjs";

const VIEWPORT = { width: 800, height: 600 };

// WebDriver's codes of the keys the scenarios press
const WEBDRIVER_KEYS = { ArrowLeft: "\uE012", ArrowUp: "\uE013", ArrowRight: "\uE014", ArrowDown: "\uE015", Enter: "\uE007", Escape: "\uE00C" };

// A free port for the WebDriver server.
function freePort() {
    return new Promise((resolve) => {
        const probe = createServer().listen(0, "127.0.0.1", () => {
            const { port } = probe.address();
            probe.close(() => resolve(port));
        });
    });
}

// Puppeteer's page as a driver: Chromium over the DevTools protocol, Firefox over BiDi.
async function puppeteerDriver(name) {
    const profile = mkdtempSync(join(tmpdir(), `travolk-${name}-`));
    const browser = name === "firefox"
        ? await puppeteer.launch({
            browser: "firefox",
            executablePath: process.env.TRAVOLK_FIREFOX || "/usr/bin/firefox-esr",
            headless: false,
            userDataDir: profile,
            // no first-run pages, updates or telemetry in a test's profile
            extraPrefsFirefox: { "browser.shell.checkDefaultBrowser": false, "app.update.disabledForTesting": true },
        })
        : await puppeteer.launch({
            executablePath: process.env.TRAVOLK_CHROMIUM || "/usr/bin/chromium",
            headless: true,
            userDataDir: profile,
            args: ["--no-sandbox", "--use-angle=swiftshader", "--enable-unsafe-swiftshader", "--no-first-run"],
        });
    const page = await browser.newPage();
    await page.setViewport(VIEWPORT);
    return {
        version: await browser.version(),
        goto: (url) => page.goto(url),
        run: (fn, ...args) => page.evaluate(fn, ...args),
        windowShot: () => page.screenshot({ type: "png" }),
        keyDown: (key) => page.keyboard.down(key),
        keyUp: (key) => page.keyboard.up(key),
        async close() {
            await browser.close();
            rmSync(profile, { recursive: true, force: true });
        },
    };
}

// WebKitGTK's own browser, in its library's folder: /usr/lib/ARCH/webkit2gtk-4.1 or webkitgtk-6.0
function findMiniBrowser() {
    for (const arch of readdirSync("/usr/lib")) {
        for (const library of ["webkit2gtk-4.1", "webkitgtk-6.0"]) {
            const path = join("/usr/lib", arch, library, "MiniBrowser");
            if (existsSync(path)) {
                return path;
            }
        }
    }
    throw new Error("no MiniBrowser: install webkit2gtk-driver");
}

// WebKitGTK's MiniBrowser under WebKitWebDriver, in classic WebDriver.
async function webkitDriver() {
    const port = await freePort();
    const server = spawn(process.env.TRAVOLK_WEBKIT_DRIVER || "WebKitWebDriver", [`--port=${port}`],
        { stdio: "ignore" });
    // a driver left behind by a failed test does not keep the tests running
    server.unref();
    // one WebDriver command: its value, or an error with WebDriver's reason
    function call(method, path, body) {
        const data = body === undefined ? "" : JSON.stringify(body);
        return new Promise((resolve, reject) => {
            const request = http.request(`http://127.0.0.1:${port}${path}`,
                { method, headers: { "Content-Type": "application/json", "Content-Length": Buffer.byteLength(data) } },
                (response) => {
                    const chunks = [];
                    response.on("data", (chunk) => chunks.push(chunk));
                    response.on("end", () => {
                        const { value } = JSON.parse(Buffer.concat(chunks).toString());
                        if (response.statusCode === 200) {
                            resolve(value);
                        } else {
                            reject(new Error(`WebDriver ${method} ${path}: ${value.error}: ${value.message}`));
                        }
                    });
                });
            request.on("error", reject);
            request.end(data);
        });
    }
    for (let tries = 0; ; tries++) {
        try {
            await call("GET", "/status");
            break;
        } catch (error) {
            if (tries > 100) {
                throw error;
            }
            await sleep(100);
        }
    }
    const miniBrowser = process.env.TRAVOLK_MINIBROWSER || findMiniBrowser();
    const created = await call("POST", "/session", {
        capabilities: {
            alwaysMatch: {
                "webkitgtk:browserOptions": { binary: miniBrowser, args: ["--automation"] },
                "acceptInsecureCerts": true,
            },
        },
    });
    const session = `/session/${created.sessionId}`;
    await call("POST", `${session}/window/rect`, VIEWPORT);
    const key = (type, name) => call("POST", `${session}/actions`, {
        actions: [{ type: "key", id: "keyboard", actions: [{ type, value: WEBDRIVER_KEYS[name] || name }] }],
    });
    return {
        version: `WebKitGTK ${created.capabilities.browserVersion}`,
        goto: (url) => call("POST", `${session}/url`, { url }),
        // the function's result, as JSON; a promise is waited for
        async run(fn, ...args) {
            const script = `const done = arguments[arguments.length - 1];
                Promise.resolve((${fn}).apply(null, Array.from(arguments).slice(0, -1)))
                    .then((value) => done({ value }), (error) => done({ error: String(error) }));`;
            const { value, error } = await call("POST", `${session}/execute/async`, { script, args });
            if (error) {
                throw new Error(error);
            }
            return value;
        },
        // the window's picture: an element's may lose its last rows
        windowShot: async () => Buffer.from(await call("GET", `${session}/screenshot`), "base64"),
        keyDown: (name) => key("keyDown", name),
        keyUp: (name) => key("keyUp", name),
        async close() {
            await call("DELETE", session).catch(() => {});
            server.kill();
        },
    };
}

// The engine's driver with the site served: name is "chromium", "firefox" or "webkit".
export async function startEngine(name) {
    const server = await serve(SITE);
    const driver = name === "webkit" ? await webkitDriver() : await puppeteerDriver(name);
    const base = `http://127.0.0.1:${server.address().port}/`;
    const work = mkdtempSync(join(tmpdir(), `travolk-${name}-shots-`));
    const engine = {
        name,
        version: driver.version,
        base,
        // the page at path, once the game has started in it
        async open(path = "") {
            await driver.goto("about:blank");
            await driver.goto(base + path);
            await engine.waitFor((line) => document.getElementById("log").textContent.split("\n").includes(line),
                "Game initialization successful");
            // the game takes the keys, as after a click on it
            await driver.run(() => document.getElementById("canvas").focus());
        },
        run: driver.run,
        // waits until fn(...args) is true in the page
        async waitFor(fn, arg, timeout = 30000) {
            const until = Date.now() + timeout;
            while (!(await driver.run(fn, arg).catch(() => false))) {
                if (Date.now() > until) {
                    throw new Error(`${name}: waited ${timeout} ms for ${fn}`);
                }
                await sleep(100);
            }
        },
        logLines: () => driver.run(() => document.getElementById("log").textContent.split("\n").filter((l) => l !== "")),
        // The game's frame as a PNG file: the window's picture cut to the canvas.
        async frame(file = join(work, "frame.png")) {
            const box = await driver.run(() => {
                const rect = document.getElementById("canvas").getBoundingClientRect();
                return { x: Math.round(rect.x), y: Math.round(rect.y), width: Math.round(rect.width),
                    height: Math.round(rect.height) };
            });
            const whole = join(work, "window.png");
            writeFileSync(whole, await driver.windowShot());
            execFileSync("convert", [whole, "-crop", `${box.width}x${box.height}+${box.x}+${box.y}`, "+repage", file]);
            return file;
        },
        // where the player's colour starts in the frame, and when
        async playerAt() {
            const before = Date.now();
            const file = await engine.frame();
            const time = (before + Date.now()) / 2;
            return { ...playerIn(readFileSync(file)), time };
        },
        async hold(key, ms = 150) {
            await driver.keyDown(key);
            await sleep(ms);
            await driver.keyUp(key);
        },
        keyDown: driver.keyDown,
        keyUp: driver.keyUp,
        // the server gone, as a network is, and back
        goOffline() {
            server.closeAllConnections();
            server.close();
        },
        async close() {
            await driver.close();
            server.closeAllConnections();
            server.close();
            rmSync(work, { recursive: true, force: true });
        },
    };
    return engine;
}
