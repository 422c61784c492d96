// The browser takes the game's WebGL context away and gives it back, as a phone short of
// memory does: the page says why, play waits with the game's own pause, and the maze, the
// pellets eaten and the player come back as they were within a second, twenty times over
// without the memory growing.
import { test, before, after } from "node:test";
import assert from "node:assert/strict";
import { mkdtempSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { startBrowser, openGame, logLines, waitForLine, holdKey, playerAt, savedFrame, framesDiffer, sleep } from "./lib.mjs";

const work = mkdtempSync(join(tmpdir(), "travolk-web-context-"));
let session;
before(async () => {
    session = await startBrowser();
});
after(async () => {
    await session.close();
});

const steps = (page) => page.evaluate(() => Module._travolk_steps_taken());
const note = (page) => page.$eval("#away-note", (element) => (element.hidden ? "" : element.textContent));
const pauses = async (page) => (await logLines(page)).filter((line) => /^(Not pausing|Pausing)$/.test(line));

// The context taken away; once the page has heard of it, given back. The ms from its
// return to the first step of the game after it.
async function loseAndRestore(page, awayMs = 0) {
    await page.evaluate(() => {
        window.contextLoss = Module.ctx.getExtension("WEBGL_lose_context");
        window.contextLoss.loseContext();
    });
    await page.waitForFunction(() => /graphics away/.test(document.getElementById("away-note").textContent));
    await sleep(awayMs);
    return page.evaluate(() => new Promise((resolve) => {
        const before = Module._travolk_steps_taken();
        const returned = performance.now();
        window.contextLoss.restoreContext();
        const wait = () => (Module._travolk_steps_taken() > before ? resolve(performance.now() - returned)
            : requestAnimationFrame(wait));
        requestAnimationFrame(wait);
    }));
}

// the frame as shown, the note over it aside
async function frame(page, name) {
    await page.$eval("#away-note", (element) => (element.style.visibility = "hidden"));
    const path = join(work, name);
    writeFileSync(path, await savedFrame(page));
    await page.$eval("#away-note", (element) => (element.style.visibility = ""));
    return path;
}

async function heaps(page) {
    const cdp = await page.createCDPSession();
    await cdp.send("HeapProfiler.collectGarbage");
    const { usedSize } = await cdp.send("Runtime.getHeapUsage");
    await cdp.detach();
    return { js: usedSize, wasm: await page.evaluate(() => Module.HEAPU8.length) };
}

test("a lost context comes back: paused with the game's pause, the same frame, twenty times without growing", async () => {
    const { page, errors } = await openGame(session);
    // pellets eaten on the way left; then, while the player runs on, the context goes
    await holdKey(page, "ArrowLeft", 300);
    const running = await steps(page);
    const restoredMs = await loseAndRestore(page, 1500);
    assert.deepEqual(await pauses(page), ["Pausing"], "not paused with the game's own pause");
    assert.ok(await steps(page) - running < 30, "the game stepped on while its graphics were away");
    console.log(`drawn again ${restoredMs.toFixed(0)} ms after the context's return`);
    assert.ok(restoredMs <= 1000, `${restoredMs} ms`);
    assert.match(await note(page), /^Paused while the graphics were away: p/);
    const waiting = await playerAt(page);
    const before = await frame(page, "before.png");
    await sleep(500);
    assert.equal((await playerAt(page)).x, waiting.x, "the game went on by itself");

    // more, while paused: the frame as it was; after ten that warm the browser's code up
    // (its first cycles grow the heap once), twenty in a row with the memory as it was
    let heapsBefore;
    for (let cycle = 0; cycle < 30; cycle++) {
        heapsBefore = cycle === 10 ? await heaps(page) : heapsBefore;
        assert.ok(await loseAndRestore(page) <= 1000);
    }
    const heapsAfter = await heaps(page);
    console.log(`after 20 losses: JS heap ${heapsBefore.js} -> ${heapsAfter.js} bytes, wasm ${heapsBefore.wasm} -> ${heapsAfter.wasm}`);
    assert.ok(heapsAfter.js < 1.05 * heapsBefore.js && heapsAfter.wasm < 1.05 * heapsBefore.wasm);
    assert.equal(framesDiffer(before, await frame(page, "after.png")), false);
    assert.deepEqual(await pauses(page), ["Pausing"]);

    // the player goes on, from where it stood, in the same maze
    await holdKey(page, "p", 300);
    await waitForLine(page, "Not pausing");
    assert.equal(await note(page), "");
    await sleep(300);
    assert.ok((await playerAt(page)).x < waiting.x, "the player did not go on left");
    assert.equal((await logLines(page)).filter((line) => line === "EOF reached").length, 1, "the maze was loaded again");
    assert.deepEqual(errors, []);
    await page.close();
});
