// The browser game against the desktop game: its start, frame, keys, speed, Escape and
// play again, and the page's sizing.
import { test, before, after } from "node:test";
import assert from "node:assert/strict";
import { mkdtempSync, readFileSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { startBrowser, openGame, logLines, holdKey, sleep, playerAt, savedFrame, framesDiffer, desktopReference,
    stepsAndFrames, withoutDecisions, FRAME } from "./lib.mjs";

const work = mkdtempSync(join(tmpdir(), "travolk-web-"));
const DESKTOP_SPEED = 62.5; // px/s: a pixel a step, a step every 16 ms
let session;

before(async () => {
    session = await startBrowser();
});
after(async () => {
    await session.close();
});


test("starts, logs and draws as the desktop game does", async () => {
    desktopReference(work);
    const started = Date.now();
    const { page, errors } = await openGame(session);
    console.log(`first frame ${Date.now() - started} ms after the page was asked for`);
    assert.equal(await page.title(), "Travolk");
    const lines = await logLines(page);
    const startup = withoutDecisions(lines.slice(0, lines.indexOf("Game initialization successful") + 1));
    const desktop = readFileSync(join(work, "startup.log"), "latin1").split("\n").filter((line) => line !== "");
    assert.deepEqual(startup, desktop);

    await sleep(1000 - (Date.now() - started) % 1000);
    writeFileSync(join(work, "web.png"), await savedFrame(page));
    assert.equal(framesDiffer(join(work, "desktop.png"), join(work, "web.png")), false);
    assert.deepEqual(errors, []);
    await page.close();
});

test("keys move the player at the desktop's speed; p pauses; Escape ends, play again starts", async () => {
    const { page, errors } = await openGame(session);
    await page.click("#canvas");
    // from the start, left along the start row; then to its right end, and timed back along it
    const start = await playerAt(page);
    await holdKey(page, "a", 400);
    assert.ok((await playerAt(page)).x < start.x, "a did not move the player left");
    await holdKey(page, "ArrowRight", 2000);
    const end = await playerAt(page);
    assert.ok(end.x > start.x, "the right arrow did not move the player right");
    await page.keyboard.down("ArrowLeft");
    await sleep(200);
    const from = await playerAt(page);
    await sleep(2000);
    const to = await playerAt(page);
    await page.keyboard.up("ArrowLeft");
    const speed = (from.x - to.x) / ((to.time - from.time) / 1000);
    console.log(`player speed ${speed.toFixed(1)} px/s (the desktop's ${DESKTOP_SPEED})`);
    assert.ok(Math.abs(speed - DESKTOP_SPEED) / DESKTOP_SPEED <= 0.03, `speed ${speed}: ${JSON.stringify([from, to])}`);

    await holdKey(page, "p");
    const paused = await playerAt(page);
    await holdKey(page, "d", 400);
    assert.equal((await playerAt(page)).x, paused.x, "the player moved while paused");
    await holdKey(page, "p");
    await holdKey(page, "d", 400);
    assert.ok((await playerAt(page)).x > paused.x, "the player did not move after the pause");

    await holdKey(page, "Escape");
    await page.waitForSelector("#play-again:not([hidden])");
    const lines = await logLines(page);
    assert.deepEqual(lines.slice(lines.lastIndexOf("Shutting down game")).slice(0, 3),
        ["Shutting down game", "Deleting Objects", "Freeing sound"]);
    await page.click("#play-again");
    await page.waitForFunction(() => document.getElementById("log").textContent
        .split("\n").filter((line) => line === "Game initialization successful").length === 2);
    assert.ok(await page.$eval("#play-again", (button) => button.hidden));
    await sleep(300);
    const again = await playerAt(page);
    await holdKey(page, "a", 400);
    const moved = await playerAt(page);
    assert.ok(moved.x < again.x, `the new game does not take keys: ${JSON.stringify([again, moved])}`);
    assert.deepEqual(errors, []);
    await page.close();
});

test("the canvas takes the largest whole scale that fits, shrinking only below 1x", async () => {
    const { page } = await openGame(session);
    const cases = [
        { width: 800, height: 600, scale: 1 },
        { width: 1000, height: 1100, scale: 2 },
        { width: 1400, height: 1540, scale: 3 },
        { width: 400, height: 400, scale: (400 - 40) / FRAME.height },
    ];
    for (const { width, height, scale } of cases) {
        await page.setViewport({ width, height });
        await sleep(100);
        const box = await page.$eval("#canvas", (canvas) => canvas.getBoundingClientRect().toJSON());
        assert.ok(Math.abs(box.width - FRAME.width * scale) < 0.5 && Math.abs(box.height - FRAME.height * scale) < 0.5,
            `${width}x${height}: ${box.width}x${box.height}`);
        assert.ok(Math.abs(box.x + box.width / 2 - width / 2) <= 1, `${width}x${height}: not centred`);
        if (scale === 1 || scale === 2) {
            await sleep(500); // the steps behind after the resize are caught up first
            const { steps, frames, webglCalls, draws, scriptMs } = await stepsAndFrames(page, 3000);
            console.log(`at ${scale}x: ${steps.toFixed(1)} steps and ${frames.toFixed(1)} frames drawn a second; ` +
                `a frame: ${webglCalls.toFixed(0)} WebGL calls, ${draws.toFixed(0)} draws, ` +
                `${scriptMs.toFixed(2)} ms of script`);
            assert.ok(Math.abs(steps - 62.5) / 62.5 <= 0.04, `${steps} steps a second at ${scale}x`);
            // the quads of a texture go in one draw: the picture, the pellets, the player, the enemies
            assert.ok(draws <= 20 && webglCalls <= 500, `${draws} draws, ${webglCalls} WebGL calls a frame`);
        }
    }
    assert.ok(await page.$eval("#bar", (bar) => bar.getBoundingClientRect().height) <= 48);

    // F11 and the button show the game area alone, F11 and Alt+Enter switch it back
    const fullscreen = (id) => page.waitForFunction((wanted) => (document.fullscreenElement?.id ?? null) === wanted,
        { timeout: 5000 }, id);
    await page.click("#canvas");
    await holdKey(page, "F11");
    await fullscreen("stage");
    await holdKey(page, "F11");
    await fullscreen(null);
    await page.click("#fullscreen");
    await fullscreen("stage");
    await page.keyboard.down("Alt");
    await holdKey(page, "Enter");
    await page.keyboard.up("Alt");
    await fullscreen(null);
    await page.close();
});
