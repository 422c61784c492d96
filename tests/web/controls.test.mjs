// The game on a phone and with a gamepad: the layout held upright and turned sideways,
// swipes, the on-screen pad, a gamepad, and a page that never moves under a finger.
import { test, before, after } from "node:test";
import assert from "node:assert/strict";
import { startBrowser, openGame, logLines, playerAt, sleep, stubGamepad, PHONE } from "./lib.mjs";

let session;
before(async () => {
    session = await startBrowser();
});
after(async () => {
    await session.close();
});

const box = (page, selector) => page.$eval(selector, (element) => element.getBoundingClientRect().toJSON());
const count = async (page, line) => (await logLines(page)).filter((each) => each === line).length;

// what a page shows on its screen, and whether it moved: scrolled, zoomed, overflowing
async function layout(page) {
    return {
        canvas: await box(page, "#canvas"),
        bar: await box(page, "#bar"),
        pad: await box(page, "#pad"),
        buttons: await page.$$eval("#pad button", (buttons) => buttons.map((b) => b.getBoundingClientRect().toJSON())),
        moved: await page.evaluate(() => window.scrollX !== 0 || window.scrollY !== 0 || visualViewport.scale !== 1 ||
            document.documentElement.scrollHeight > innerHeight || document.documentElement.scrollWidth > innerWidth),
    };
}

async function swipe(page, dx, dy) {
    const { x, y, width, height } = await box(page, "#canvas");
    const from = { x: x + width / 2, y: y + height / 2 };
    const finger = await page.touchscreen.touchStart(from.x, from.y);
    for (const part of [0.5, 1]) {
        await finger.move(from.x + dx * part, from.y + dy * part);
    }
    await finger.end();
}

async function touchFor(page, selector, ms) {
    const { x, y, width, height } = await box(page, selector);
    const finger = await page.touchscreen.touchStart(x + width / 2, y + height / 2);
    await sleep(ms);
    await finger.end();
}

test("a phone held upright: the game fills the width, the pad below steers and pauses", async () => {
    const { page, errors } = await openGame(session, { width: 390, height: 844, screen: PHONE });
    const upright = await layout(page);
    assert.ok(upright.canvas.width >= 0.9 * 390, `the game is ${upright.canvas.width} px wide`);
    assert.ok(upright.bar.bottom <= upright.canvas.top + 0.5 && upright.pad.top >= upright.canvas.bottom - 0.5,
        `the bar or the pad covers the game: ${JSON.stringify(upright)}`);
    assert.ok(upright.pad.bottom <= 844, "the pad is cut off");
    for (const button of upright.buttons) {
        assert.ok(button.width >= 44 && button.height >= 44, `a pad button of ${button.width} x ${button.height}`);
    }
    assert.equal(upright.moved, false);

    // a swipe is one press: the player goes on left, then right
    const start = await playerAt(page);
    await swipe(page, -80, 0);
    await sleep(500);
    const left = await playerAt(page);
    assert.ok(left.x < start.x, `a swipe left did not move the player left: ${JSON.stringify([start, left])}`);
    await swipe(page, 80, 0);
    await sleep(800);
    const right = await playerAt(page);
    assert.ok(right.x > left.x, `a swipe right did not move the player right: ${JSON.stringify([left, right])}`);

    await touchFor(page, "#pad-left", 400);
    await sleep(300);
    assert.ok((await playerAt(page)).x < right.x, "the pad's left did not steer");
    await touchFor(page, "#pause", 150);
    await page.waitForFunction(() => document.getElementById("log").textContent.includes("Pausing\n"));
    const paused = await playerAt(page);
    await swipe(page, 80, 0);
    await sleep(400);
    assert.equal((await playerAt(page)).x, paused.x, "the player moved while paused");
    await touchFor(page, "#pause", 150);
    await page.waitForFunction(() => document.getElementById("log").textContent.includes("Not pausing\n"));
    assert.equal((await layout(page)).moved, false, "the page moved under the finger");
    assert.deepEqual(errors, []);
    await page.close();
});

test("turned sideways, the game takes the height with the pad beside it; a desktop shows no pad", async () => {
    const { page, errors } = await openGame(session, { width: 844, height: 390, screen: { ...PHONE, isLandscape: true } });
    const sideways = await layout(page);
    assert.ok(sideways.canvas.height >= 0.75 * 390, `the game is ${sideways.canvas.height} px high`);
    assert.ok(sideways.pad.left >= sideways.canvas.right - 0.5, `the pad is not beside the game: ${JSON.stringify(sideways)}`);
    assert.ok(sideways.pad.bottom <= 390 && sideways.pad.right <= 844, "the pad is cut off");
    assert.equal(sideways.moved, false);
    await page.close();

    const desktop = await openGame(session, { width: 1000, height: 1100 });
    assert.equal(await desktop.page.$eval("#pad", (pad) => getComputedStyle(pad).display), "none");
    assert.deepEqual([...errors, ...desktop.errors], []);
    await desktop.page.close();
});

test("a gamepad connected mid-game: d-pad, stick and Start", async () => {
    const { page, errors } = await openGame(session, { init: stubGamepad });
    const setPad = (change) => page.evaluate(change);
    await sleep(300);
    await setPad(() => {
        window.testPad.connected = true;
        window.dispatchEvent(new Event("gamepadconnected"));
    });
    const start = await playerAt(page);
    await setPad(() => { window.testPad.buttons[14].pressed = true; });
    await sleep(400);
    await setPad(() => { window.testPad.buttons[14].pressed = false; });
    const left = await playerAt(page);
    assert.ok(left.x < start.x, "the d-pad's left did not move the player left");
    await setPad(() => { window.testPad.axes[0] = 0.2; }); // inside the dead zone
    await sleep(200);
    await setPad(() => { window.testPad.axes = [0.9, 0.3, 0, 0]; });
    await sleep(800);
    await setPad(() => { window.testPad.axes = [0, 0, 0, 0]; });
    assert.ok((await playerAt(page)).x > left.x, "the stick did not move the player right");
    await setPad(() => { window.testPad.buttons[9].pressed = true; });
    await sleep(150);
    await setPad(() => { window.testPad.buttons[9].pressed = false; });
    await page.waitForFunction(() => document.getElementById("log").textContent.includes("Pausing\n"));
    assert.equal(await count(page, "Pausing"), 1);
    assert.deepEqual(errors, []);
    await page.close();
});
