// The page on phones: three sizes, upright and sideways, touch and three screen pixels a CSS
// pixel, with a notch's safe area. Every control of the bar, its menu, the pad and the
// editor is a finger's size, 8 px or more from the next, on the screen and inside the safe
// area; nothing scrolls sideways; the editor opens with cells a fingertip hits, sharp, on
// the player's start.
import { test, before, after } from "node:test";
import assert from "node:assert/strict";
import { startBrowser, openGame, PHONE } from "./lib.mjs";

const FINGER_PX = 44;
const APART_PX = 8;
const PHONES = [[360, 740], [390, 844], [430, 932]];
// a notch and a home bar: above and below upright, beside and below sideways
const SCREENS = PHONES.flatMap(([width, height]) => [
    { width, height, safe: { top: 47, bottom: 34, left: 0, right: 0 } },
    { width: height, height: width, safe: { top: 0, bottom: 21, left: 47, right: 47 } },
]);

let session;
before(async () => {
    session = await startBrowser();
});
after(async () => {
    await session.close();
});

// the boxes of the controls shown under a selector, by name
const targets = (page, selector) => page.$$eval(selector, (found) => found.filter((each) => each.getClientRects().length > 0)
    .map((each) => ({ name: each.id || each.textContent.trim(), ...each.getBoundingClientRect().toJSON() })));

// What is wrong with these controls on this screen: too small, too close to another, or
// out of the screen's safe area; none when all is well.
function faults(boxes, { width, height, safe }) {
    const found = [];
    for (const [i, box] of boxes.entries()) {
        if (box.width < FINGER_PX || box.height < FINGER_PX) {
            found.push(`${box.name} is ${box.width} x ${box.height}`);
        }
        if (box.left < safe.left || box.top < safe.top || box.right > width - safe.right || box.bottom > height - safe.bottom) {
            found.push(`${box.name} lies at ${box.left},${box.top} to ${box.right},${box.bottom}, out of the safe area`);
        }
        for (const other of boxes.slice(i + 1)) {
            const apart = Math.max(other.left - box.right, box.left - other.right, other.top - box.bottom, box.top - other.bottom);
            if (apart < APART_PX - 0.01) {
                found.push(`${box.name} and ${other.name} are ${apart} px apart`);
            }
        }
    }
    return found;
}

for (const screen of SCREENS) {
    test(`${screen.width} x ${screen.height}: every control under a finger, the editor zoomed for one`, async () => {
        const { page, errors } = await openGame(session, { width: screen.width, height: screen.height, screen: PHONE });
        const cdp = await page.createCDPSession();
        await cdp.send("Emulation.setSafeAreaInsetsOverride", { insets: screen.safe });
        const bar = await targets(page, "#bar button, #bar .button");
        const pad = await targets(page, "#pad button");
        assert.deepEqual(faults(bar, screen), [], "the bar");
        assert.deepEqual(faults(pad, screen), [], "the pad");
        assert.ok(await page.$eval("#bar", (element) => element.scrollWidth <= element.clientWidth), "the bar scrolls sideways");
        await page.tap("#bar-more");
        const menu = await targets(page, "#bar-menu .button");
        assert.deepEqual(menu.map((box) => box.name), ["Load maze…", "share-link"]);
        assert.deepEqual(faults(menu, screen), [], "the bar's menu");
        await page.tap("#canvas");
        assert.equal(await page.$eval("#bar-more", (button) => button.getAttribute("aria-expanded")), "false",
            "a tap outside left the menu open");

        await page.tap("#edit");
        await page.waitForSelector("#editor:not([hidden])");
        const tools = await targets(page, "#editor-tools > button, #editor-summary");
        assert.deepEqual(faults(tools, screen), [], "the editor's tools");
        assert.equal(new Set(tools.map((box) => Math.round(box.top))).size, 2, "the tools and the summary: one row each");
        await page.tap("#editor-more");
        const more = await targets(page, "#editor-menu button");
        assert.deepEqual(faults(more, screen), [], "the editor's menu");
        await page.tap("#editor-more");

        // cells of 24 px or more, drawn a screen pixel each, the player's start in sight
        const grid = await page.$eval("#editor-grid", (canvas) => ({ ...canvas.getBoundingClientRect().toJSON(),
            pixels: canvas.width, area: canvas.parentElement.getBoundingClientRect().toJSON() }));
        const cell = grid.width / 28;
        console.log(`${screen.width} x ${screen.height}: ${bar.length + menu.length + tools.length + more.length} targets ` +
            `of the bar and the editor checked; editor cells of ${cell} px`);
        assert.ok(cell >= 24, `cells of ${cell} px`);
        assert.equal(grid.pixels, Math.round(grid.width * PHONE.deviceScaleFactor));
        const place = await page.evaluate(() => JSON.parse(Module.ccall("travolk_maze_rules", "string", [], []))
            .places.find((each) => each.kind === "player-start"));
        const start = { x: grid.left + (place.column + 0.5) * cell, y: grid.top + (place.row + 0.5) * cell };
        assert.ok(start.x > grid.area.left && start.x < grid.area.right && start.y > grid.area.top && start.y < grid.area.bottom,
            `the start at ${JSON.stringify(start)}, the area ${JSON.stringify(grid.area)}`);
        // across: the whole width in the middle where it fits; else the start in the middle,
        // or as near as the grid can come while it covers the area
        const middle = (grid.area.left + grid.area.right) / 2;
        const placed = grid.width <= grid.area.width ? Math.abs(grid.left + grid.width / 2 - middle) <= 1
            : grid.left <= grid.area.left && grid.right >= grid.area.right && (Math.abs(start.x - middle) <= 1 ||
              grid.left === grid.area.left || grid.right === grid.area.right);
        assert.ok(placed, `the grid from ${grid.left} to ${grid.right} in the area from ${grid.area.left} to ${grid.area.right}`);
        assert.equal(await page.evaluate(() => document.documentElement.scrollWidth <= innerWidth && scrollX === 0), true);
        assert.deepEqual(errors, []);
        await page.close();
    });
}
