// Loading and failing as a player sees them: the progress on a slow network, one sentence
// where the browser cannot run the game, a game stopped by an error, and the address's
// seed as the command line's.
import { test } from "node:test";
import assert from "node:assert/strict";
import { startBrowser, openGame, waitForLine, logLines, sleep } from "./lib.mjs";

const statusText = (page) => page.$eval("#status", (status) => (status.hidden ? "" : status.textContent));

test("a slow network shows the progress; an error stops the game with a way to play again", async (t) => {
    const session = await startBrowser();
    t.after(() => session.close());
    const page = await session.browser.newPage();
    const seen = [];
    page.on("console", () => {}); // the game's log lines
    await page.emulateNetworkConditions({ download: 200 * 1024, upload: 200 * 1024, latency: 100 });
    await page.exposeFunction("noteStatus", (text) => seen.push(text));
    await page.evaluateOnNewDocument(() => {
        new MutationObserver(() => window.noteStatus(document.getElementById("status").textContent))
            .observe(document, { subtree: true, childList: true, characterData: true });
    });
    await page.goto(session.base);
    await waitForLine(page, "Game initialization successful", 60000);
    const percents = seen.map((text) => /^Loading the game: (\d+) %$/.exec(text)).filter(Boolean).map((m) => Number(m[1]));
    console.log(`progress seen: ${[...new Set(percents)].join(" ")} %`);
    assert.ok(percents.some((percent) => percent < 100), `no progress among ${JSON.stringify(seen)}`);
    assert.equal(await statusText(page), "", "the progress stayed over the game");
    await page.emulateNetworkConditions(null);

    const errors = [];
    page.on("pageerror", (error) => errors.push(String(error)));
    await page.evaluate(() => {
        Module.ctx.drawElements = () => {
            throw new Error("a broken frame");
        };
    });
    await page.waitForSelector("#play-again:not([hidden])");
    assert.match(await statusText(page), /^The game stopped with an error/);
    assert.ok(errors.some((error) => error.includes("a broken frame")), JSON.stringify(errors));
    await page.click("#play-again");
    await waitForLine(page, "Game initialization successful");
    assert.equal(await statusText(page), "");
});

test("without WebGL the page says so in one sentence", async (t) => {
    const session = await startBrowser(["--disable-webgl"]);
    t.after(() => session.close());
    const page = await session.browser.newPage();
    const errors = [];
    page.on("pageerror", (error) => errors.push(String(error)));
    await page.goto(session.base);
    await page.waitForSelector("#status:not([hidden])");
    assert.equal(await statusText(page), "Travolk needs WebGL, which this browser does not have or has switched off.");
    assert.deepEqual(errors, []);
});

test("back after another page returns to the game running, from the back/forward cache", async (t) => {
    const session = await startBrowser();
    t.after(() => session.close());
    const page = await session.browser.newPage();
    await page.evaluateOnNewDocument(() => {
        window.addEventListener("pageshow", (event) => {
            window.restoredFromCache = event.persisted;
        });
    });
    await page.goto(session.base);
    await waitForLine(page, "Game initialization successful");
    // a worker that takes the page in hand while it is away evicts it from the cache: the
    // page left once its worker keeps the site, as after the first seconds of a visit
    await page.waitForFunction(() => navigator.serviceWorker.controller !== null, { timeout: 20000 });
    await page.goto(session.base + "licences/README.txt");
    await page.goBack();
    assert.equal(await page.evaluate(() => window.restoredFromCache), true, "the page was loaded again");
    const steps = await page.evaluate(() => Module._travolk_steps_taken());
    await page.waitForFunction((before) => Module._travolk_steps_taken() > before + 10, { timeout: 5000 }, steps);
});

test("?seed=N plays the same game again and another seed another; a malformed seed is the game's error", async (t) => {
    const session = await startBrowser();
    t.after(() => session.close());
    // the enemies' decisions (the log's lines of digits) of a game left alone for 4 s, before
    // the second enemy comes out at a moment of the clock's
    const decisions = async (seed) => {
        const { page } = await openGame(session, { path: `?seed=${seed}` });
        await sleep(4000);
        const lines = (await logLines(page)).filter((line) => /^[0-9]+$/.test(line));
        await page.close();
        return lines;
    };
    const [first, again, other] = [await decisions(42), await decisions(42), await decisions(43)];
    const common = Math.min(first.length, again.length, other.length);
    assert.ok(common >= 5, `${common} decisions`);
    assert.deepEqual(again.slice(0, common), first.slice(0, common));
    assert.notDeepEqual(other.slice(0, common), first.slice(0, common));

    const page = await session.browser.newPage();
    await page.goto(session.base + "?seed=4294967296");
    await page.waitForSelector("#status:not([hidden])");
    await page.waitForFunction(() => /^The game stopped with an error/.test(document.getElementById("status").textContent));
    assert.equal(await statusText(page), "The game stopped with an error. Error: --seed needs a whole number from 0 to " +
        "4294967295. Play again starts it afresh.");
});
