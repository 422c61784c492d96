// The scenarios every browser engine must pass, written once: the start-up and the frame
// as the desktop's, keys and the player's speed, pause, a maze file and its link, the
// editor finding a wall on the player's start, a lost WebGL context given back, and play
// offline once visited. Chromium runs
// the whole suite besides; the engines are named by TRAVOLK_ENGINES (Firefox and WebKit).
import { describe, test, before, after } from "node:test";
import assert from "node:assert/strict";
import { mkdirSync, mkdtempSync, readFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { framesDiffer, desktopReference, withoutDecisions, sleep } from "./lib.mjs";
import { startEngine } from "./engines.mjs";

const SOURCE = join(import.meta.dirname, "..", "..");
const ENGINES = (process.env.TRAVOLK_ENGINES ?? "firefox webkit").split(" ").filter((name) => name !== "");
const DESKTOP_SPEED = 62.5; // px/s
const work = mkdtempSync(join(tmpdir(), "travolk-engines-"));
const reportText = (engine) => engine.run(() => document.getElementById("maze-report").textContent);

before(() => {
    for (const [folder, maze] of [["shipped"], ["long-hall", join(SOURCE, "mazes", "long-hall")]]) {
        mkdirSync(join(work, folder));
        desktopReference(join(work, folder), maze);
    }
});

// A file dropped on the game, as a player drops one.
function dropFile(name, text) {
    const file = new File([text], name, { type: "text/plain" });
    const transfer = new DataTransfer();
    transfer.items.add(file);
    const play = document.getElementById("play");
    play.dispatchEvent(new DragEvent("drop", { dataTransfer: transfer, bubbles: true, cancelable: true }));
}

for (const name of ENGINES) {
    describe(name, () => {
        let engine;
        before(async () => {
            engine = await startEngine(name);
            console.log(`${name}: ${engine.version}`);
        });
        after(() => engine?.close());

        test("starts, logs and draws as the desktop game does", async () => {
            const started = Date.now();
            await engine.open();
            console.log(`${name}: first frame ${Date.now() - started} ms after the page was asked for`);
            const lines = await engine.logLines();
            const startup = withoutDecisions(lines.slice(0, lines.indexOf("Game initialization successful") + 1));
            const desktop = readFileSync(join(work, "shipped", "startup.log"), "latin1").split("\n").filter((l) => l !== "");
            assert.deepEqual(startup, desktop);
            await sleep(1000 - (Date.now() - started) % 1000);
            assert.equal(framesDiffer(join(work, "shipped", "desktop.png"), await engine.frame()), false);
        });

        test("keys move the player at the desktop's speed, and p pauses", async () => {
            await engine.open();
            const start = await engine.playerAt();
            await engine.hold("ArrowLeft", 400);
            assert.ok((await engine.playerAt()).x < start.x, "the left arrow did not move the player left");
            await engine.hold("ArrowRight", 150);
            await sleep(300);
            const from = await engine.playerAt();
            await sleep(1500);
            const to = await engine.playerAt();
            const speed = (to.x - from.x) / ((to.time - from.time) / 1000);
            console.log(`${name}: player speed ${speed.toFixed(1)} px/s (the desktop's ${DESKTOP_SPEED})`);
            assert.ok(Math.abs(speed - DESKTOP_SPEED) / DESKTOP_SPEED <= 0.05, `speed ${speed}`);

            await engine.hold("p");
            await engine.waitFor((line) => document.getElementById("log").textContent.split("\n").includes(line), "Pausing");
            const paused = await engine.playerAt();
            await engine.hold("ArrowLeft", 400);
            assert.equal((await engine.playerAt()).x, paused.x, "the player moved while paused");
            await engine.hold("p");
            await engine.waitFor((line) => document.getElementById("log").textContent.split("\n").includes(line),
                "Not pausing");
        });

        test("a maze file plays as the desktop plays it, and its link shares it", async () => {
            await engine.open();
            await engine.run(dropFile, "long-hall", readFileSync(join(SOURCE, "mazes", "long-hall"), "latin1"));
            await engine.waitFor(() => document.getElementById("maze-report").textContent !== "");
            assert.equal(await reportText(engine), "long-hall: playing it");
            await sleep(1000);
            assert.equal(framesDiffer(join(work, "long-hall", "desktop.png"), await engine.frame()), false);
            const link = await engine.run(() => document.getElementById("share-link").href);
            assert.match(link, /#maze=1\.[A-Za-z0-9_-]+$/);
            await engine.open(link.slice(engine.base.length));
            assert.equal(await reportText(engine), "linked maze: playing it");
        });

        test("the editor finds a wall on the player's start", async () => {
            await engine.open();
            await engine.run(() => document.getElementById("edit").click());
            await engine.waitFor(() => !document.getElementById("editor").hidden);
            await engine.run(() => document.getElementById("editor-from-game").click());
            await engine.run(() => document.getElementById("editor-grid").focus());
            await engine.hold("1");
            for (let row = 0; row < 23; row++) {
                await engine.hold("ArrowDown", 10);
            }
            for (let column = 0; column < 15; column++) {
                await engine.hold("ArrowRight", 10);
            }
            await engine.hold("Enter");
            await engine.waitFor(() => document.getElementById("editor-report").textContent.includes("error"));
            const findings = await engine.run(() => [...document.querySelectorAll("#editor-report li")].map((item) => item.textContent));
            assert.equal(findings[0], "24:16: error: the player's start is not free");
            assert.equal(await engine.run(() => document.getElementById("editor-play").disabled), true);
            await engine.hold("Escape");
            await engine.waitFor(() => document.getElementById("editor").hidden);
        });

        test("a lost WebGL context comes back: paused, the frame as before, no error", async () => {
            await engine.open();
            await engine.run(() => {
                window.pageErrors = [];
                window.addEventListener("error", (event) => window.pageErrors.push(String(event.message)));
                window.addEventListener("unhandledrejection", (event) => window.pageErrors.push(String(event.reason)));
            });
            const before = await engine.frame(join(work, `${name}-before-loss.png`));
            await engine.run(() => {
                window.contextLoss = Module.ctx.getExtension("WEBGL_lose_context");
                window.contextLoss.loseContext();
            });
            await engine.waitFor(() => /graphics away/.test(document.getElementById("away-note").textContent));
            await engine.run(() => window.contextLoss.restoreContext());
            await engine.waitFor(() => /^Paused while the graphics/.test(document.getElementById("away-note").textContent));
            // the note aside, and time for the engine's shot of the window to show it gone
            await engine.run(() => (document.getElementById("away-note").style.visibility = "hidden"));
            await sleep(800);
            assert.equal(framesDiffer(before, await engine.frame(join(work, `${name}-after-loss.png`))), false);
            assert.ok((await engine.logLines()).includes("Pausing"));
            assert.deepEqual(await engine.run(() => window.pageErrors), []);
        });

        test("plays offline once visited", async () => {
            await engine.open();
            await engine.waitFor(() => navigator.serviceWorker && navigator.serviceWorker.controller !== null);
            engine.goOffline();
            const started = Date.now();
            await engine.open();
            console.log(`${name}: first frame offline ${Date.now() - started} ms after the page was asked for`);
        });
    });
}
