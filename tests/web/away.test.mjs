// The player looks away (another tab, another window) and back: play pauses once and waits
// for the player, no key stays held, and the screen is kept on only while the player plays.
import { test, before, after } from "node:test";
import assert from "node:assert/strict";
import { startBrowser, openGame, logLines, waitForLine, playerAt, holdKey, sleep, stubGamepad } from "./lib.mjs";

let session;
before(async () => {
    session = await startBrowser();
});
after(async () => {
    await session.close();
});

// Keys are held 300 ms: a press and release that fall into one step of a stalled page are
// never seen by the game, as on a desktop.

// a screen lock that records its story in window.locks: "taken" and "released"
function fakeWakeLock() {
    window.locks = [];
    Object.defineProperty(navigator, "wakeLock", {
        value: {
            request: async () => {
                const lock = new EventTarget();
                lock.release = async () => {
                    window.locks.push("released");
                    lock.dispatchEvent(new Event("release"));
                };
                window.locks.push("taken");
                return lock;
            },
        },
    });
}

const locks = (page) => page.evaluate(() => window.locks.join(" "));
const noteShown = (page) => page.$eval("#away-note", (note) => !note.hidden);
const pauses = async (page) => (await logLines(page)).filter((line) => /^(Not pausing|Pausing)$/.test(line));

// another tab in front, then this one again
async function lookAway(page) {
    const other = await session.browser.newPage();
    await other.bringToFront();
    await sleep(400);
    await other.close();
    await page.bringToFront();
    await page.focus("#canvas");
}

test("away: play pauses once and waits for p; the screen is kept on only while playing", async () => {
    const { page, errors } = await openGame(session, { init: fakeWakeLock });
    await page.waitForFunction(() => window.locks.join(" ") === "taken");
    await lookAway(page);
    assert.deepEqual(await pauses(page), ["Pausing"]);
    assert.equal(await locks(page), "taken released");
    const waiting = await playerAt(page);
    await sleep(500);
    assert.equal((await playerAt(page)).x, waiting.x, "the game ran on after the player came back");
    assert.ok(await noteShown(page), "no note on how to go on");

    await holdKey(page, "p", 300);
    await waitForLine(page, "Not pausing");
    assert.equal(await noteShown(page), false);
    await page.waitForFunction(() => window.locks.join(" ") === "taken released taken");
    // paused by the player: looking away says nothing more
    await holdKey(page, "p", 300);
    await lookAway(page);
    assert.deepEqual(await pauses(page), ["Pausing", "Not pausing", "Pausing"]);
    assert.equal(await noteShown(page), false, "a note over the player's own pause");
    assert.equal(await locks(page), "taken released taken released");
    assert.deepEqual(errors, []);
    await page.close();
});

// Down held at the start, where a wall is below: stuck, it would win over every later
// direction and keep the player still. Held on the keyboard while the player plays; or on a
// gamepad during the player's own pause, the pad going quiet in the moment the window loses
// focus, so the page never sees it let go. Under the seed no enemy comes near the player's
// way left to the wall in the game's first 14 s.
const HELD_DOWN = {
    "the keyboard's Down while playing": async (page) => {
        await page.keyboard.down("ArrowDown");
        await sleep(200);
        await lookAway(page);
        await holdKey(page, "p", 300);
    },
    "a gamepad's Down while paused": async (page) => {
        await holdKey(page, "p", 300);
        await waitForLine(page, "Pausing");
        await page.evaluate(() => {
            window.testPad.connected = true;
            window.testPad.buttons[13].pressed = true;
            window.dispatchEvent(new Event("gamepadconnected"));
        });
        await sleep(200);
        await page.evaluate(() => {
            window.dispatchEvent(new Event("blur"));
            window.testPad.buttons[13].pressed = false;
            window.testPad.connected = false;
        });
        await holdKey(page, "p", 300);
    },
};

for (const [held, lookAwayHolding] of Object.entries(HELD_DOWN)) {
    test(`away: ${held} is let go, so the player runs left to the wall`, async () => {
        const { page, errors } = await openGame(session, { path: "?seed=7", init: stubGamepad });
        const start = await playerAt(page);
        await lookAwayHolding(page);
        await waitForLine(page, "Not pausing");
        await holdKey(page, "ArrowLeft", 300);
        await sleep(3000);
        const end = await playerAt(page);
        await page.keyboard.up("ArrowDown");
        assert.equal((await logLines(page)).filter((line) => line === "EOF reached").length, 1, "an enemy caught the player");
        // nine cells to the left, where the row's wall stops it
        assert.ok(Math.abs(start.x - end.x - 9 * 16) <= 2, `from ${start.x} to ${end.x}: Down stayed held`);
        assert.deepEqual(errors, []);
        await page.close();
    });
}

test("away: a browser without a screen lock plays as before", async () => {
    const { page, errors } = await openGame(session, {
        init: () => delete Navigator.prototype.wakeLock,
    });
    assert.equal(await page.evaluate(() => "wakeLock" in navigator), false);
    await lookAway(page);
    await holdKey(page, "p", 300);
    await waitForLine(page, "Not pausing");
    assert.deepEqual(errors, []);
    await page.close();
});
