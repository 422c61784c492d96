// What the browser tests share: the site served, Debian's Chromium headless, the page's
// log, keys held as a player holds them, and the frame as pixels.
import puppeteer from "puppeteer-core";
import { execFileSync } from "node:child_process";
import { serve } from "./server.mjs";
import { mkdtempSync, readFileSync, rmSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";

export const SITE = process.env.TRAVOLK_SITE;
// the frame's size, as the build wrote it into the page
const canvasTag = readFileSync(join(SITE, "index.html"), "utf8").match(/<canvas [^>]*width="(\d+)" height="(\d+)"/);
export const FRAME = { width: Number(canvasTag[1]), height: Number(canvasTag[2]) };

// the browser, with Chromium's switches args besides the tests' own
export async function startBrowser(args = []) {
    const server = await serve(SITE);
    const profile = mkdtempSync(join(tmpdir(), "travolk-chromium-"));
    const browser = await puppeteer.launch({
        executablePath: process.env.TRAVOLK_CHROMIUM || "/usr/bin/chromium",
        headless: true,
        userDataDir: profile,
        args: ["--no-sandbox", "--disable-gpu-sandbox", "--use-angle=swiftshader", "--enable-unsafe-swiftshader",
               "--disable-background-networking", "--disable-component-update", "--disable-sync",
               "--no-first-run", "--disable-quic", "--disable-background-timer-throttling",
               "--disable-renderer-backgrounding", "--disable-backgrounding-occluded-windows", ...args],
    });
    const base = `http://127.0.0.1:${server.address().port}/`;
    return {
        base,
        browser,
        server,
        async close() {
            await browser.close();
            server.closeAllConnections();
            server.close();
            rmSync(profile, { recursive: true, force: true });
        },
    };
}

// A standard gamepad that a test connects, presses and lets go (window.testPad), in place
// of the browser's: run in the page before its scripts.
export function stubGamepad() {
    const buttons = Array.from({ length: 17 }, () => ({ pressed: false, touched: false, value: 0 }));
    window.testPad = { id: "test pad", index: 0, connected: false, mapping: "standard", axes: [0, 0, 0, 0], buttons };
    navigator.getGamepads = () => [window.testPad.connected ? window.testPad : null];
}

// A phone's screen: touch, three screen pixels a CSS pixel.
export const PHONE = { isMobile: true, hasTouch: true, deviceScaleFactor: 3 };

// Fingers on a phone's screen, as the DevTools protocol's touch events make them: each
// step is the places of the fingers down, more than the step before when one comes; the
// last step, none, lifts them all. The protocol needs whole CSS pixels. Two fingers rest
// a moment before they lift, as a player's do: lifted on the move they fling, and the
// browser takes the next tap as the fling's stop.
export async function touch(page, steps) {
    const cdp = await page.createCDPSession();
    let last = [];
    for (const step of steps) {
        const touchPoints = step.map(({ x, y }, id) => ({ x: Math.round(x), y: Math.round(y), id }));
        if (touchPoints.length === 0 && last.length > 1) {
            await sleep(150);
            await cdp.send("Input.dispatchTouchEvent", { type: "touchMove", touchPoints: last });
        }
        const type = touchPoints.length === 0 ? "touchEnd" : touchPoints.length > last.length ? "touchStart" : "touchMove";
        await cdp.send("Input.dispatchTouchEvent", { type, touchPoints });
        last = touchPoints;
    }
    await cdp.detach();
}

// the steps of two fingers moving together from one pair of places to another
export function twoFingers(from, to, steps = 8) {
    const between = (a, b, part) => ({ x: a.x + (b.x - a.x) * part, y: a.y + (b.y - a.y) * part });
    return Array.from({ length: steps + 1 }, (_, step) => [0, 1].map((i) => between(from[i], to[i], step / steps)));
}

// a page at the given size (a phone's with PHONE), opened at path after the script init
// has run in it, its log lines collected
export async function openGame(session, { width = 800, height = 600, path = "", screen = {}, init } = {}) {
    const page = await session.browser.newPage();
    await page.setViewport({ width, height, ...screen });
    if (init) {
        await page.evaluateOnNewDocument(init);
    }
    const errors = [];
    page.on("pageerror", (error) => errors.push(String(error)));
    await page.goto(session.base + path);
    await waitForLine(page, "Game initialization successful");
    return { page, errors };
}

// the start-up lines without the enemies' random choices (a number a line)
export const withoutDecisions = (lines) => lines.filter((line) => !/^[0-9]+$/.test(line));

export async function logLines(page) {
    return (await page.$eval("#log", (log) => log.textContent)).split("\n").filter((line) => line !== "");
}

export async function waitForLine(page, line, timeout = 20000) {
    await page.waitForFunction((wanted) => document.getElementById("log").textContent.split("\n").includes(wanted),
        { timeout, polling: 50 }, line);
}

// Held for ms, as a player's press lasts more than a frame.
export async function holdKey(page, key, ms = 120) {
    await page.keyboard.down(key);
    await new Promise((resolve) => setTimeout(resolve, ms));
    await page.keyboard.up(key);
}

export const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

// The frame as the page shows it at 1x, as a PNG.
export async function savedFrame(page) {
    const canvas = await page.$("#canvas");
    return canvas.screenshot({ type: "png" });
}

// Where the player is in a picture of the frame (PNG bytes): the top-left corner of its
// colour, as ImageMagick finds it. Every engine's harness finds the player so.
export function playerIn(png) {
    // the player's colour made pure green, the rest black, and the black trimmed away
    const found = execFileSync("convert", ["png:-", "-fuzz", "9%", "-fill", "#00FF00", "-opaque", "#FFF2B0",
        "-fill", "black", "+opaque", "#00FF00", "-trim", "-format", "%X %Y", "info:"], { input: png }).toString();
    const [x, y] = found.trim().split(" ").map(Number);
    return { x, y };
}

// Where the player is in the frame as the page shows it, and when: the middle of the
// screenshot's time, in ms.
export async function playerAt(page) {
    const before = Date.now();
    const shot = await savedFrame(page);
    const time = (before + Date.now()) / 2;
    return { ...playerIn(shot), time };
}

// Same pictures: two frames differ only where the four wandering enemies are, 13 x 13
// pixels each, in either frame. Prints the count.
export function framesDiffer(first, second) {
    let differing;
    try {
        execFileSync("compare", ["-metric", "AE", first, second, "null:"], { stdio: ["ignore", "ignore", "pipe"] });
        differing = 0;
    } catch (error) {
        differing = Number(error.stderr.toString().trim());
    }
    console.log(`pixels differing from the desktop frame: ${differing}`);
    return !(differing <= 2 * 4 * 13 * 13);
}

// The desktop game's frame and start-up lines, in the shipped maze or in a maze file's,
// into folder/desktop.png and folder/startup.log.
export function desktopReference(folder, maze) {
    execFileSync("bash", [join(import.meta.dirname, "desktop_reference.sh"), process.env.TRAVOLK_DESKTOP, folder,
        ...(maze ? [maze] : [])], { stdio: "inherit" });
}

// Over ms: the game's logic steps and the frames it drew (one clear of the canvas each, at
// the start of the frame), both a second; per frame drawn, the WebGL calls and the draw
// calls among them; and the median script time of an animation frame's callbacks in ms.
export async function stepsAndFrames(page, ms = 2000) {
    return page.evaluate((span) => new Promise((resolve) => {
        const gl = Module.ctx;
        const counts = {};
        const originals = [];
        for (const name of Object.getOwnPropertyNames(Object.getPrototypeOf(gl))) {
            const original = gl[name];
            if (typeof original !== "function" || name === "constructor") {
                continue;
            }
            originals.push(name);
            counts[name] = 0;
            gl[name] = function (...args) {
                counts[name] += 1;
                return original.apply(this, args);
            };
        }
        const animationFrame = window.requestAnimationFrame;
        const scriptMs = new Map(); // by the frame's time
        window.requestAnimationFrame = (callback) => animationFrame.call(window, (time) => {
            const start = performance.now();
            callback(time);
            scriptMs.set(time, (scriptMs.get(time) ?? 0) + performance.now() - start);
        });
        const stepsBefore = Module._travolk_steps_taken();
        setTimeout(() => {
            for (const name of originals) {
                delete gl[name];
            }
            window.requestAnimationFrame = animationFrame;
            const steps = Module._travolk_steps_taken() - stepsBefore;
            const frames = counts.clear;
            const calls = Object.values(counts).reduce((sum, count) => sum + count, 0);
            resolve({
                steps: steps * 1000 / span,
                frames: frames * 1000 / span,
                webglCalls: calls / frames,
                draws: (counts.drawArrays + counts.drawElements) / frames,
                scriptMs: [...scriptMs.values()].sort((a, b) => a - b)[Math.floor(scriptMs.size / 2)],
            });
        }, span);
    }), ms);
}
