// The page as assistive technology reads it: axe-core finds no violation on the game's
// page, with the maze editor open, or on a phone, its menus and its editor's sheet open.
import { test, before, after } from "node:test";
import assert from "node:assert/strict";
import { createRequire } from "node:module";
import { startBrowser, openGame, PHONE } from "./lib.mjs";

const AXE = createRequire(import.meta.url).resolve("axe-core/axe.min.js");
let session;
before(async () => {
    session = await startBrowser();
});
after(async () => {
    await session.close();
});

// each violation as "rule: the elements it found"
async function violations(page) {
    await page.addScriptTag({ path: AXE });
    const found = await page.evaluate(async () => (await axe.run(document, { resultTypes: ["violations"] })).violations
        .map((violation) => `${violation.id}: ${violation.nodes.map((node) => node.target.join(" ")).join(", ")}`));
    return found;
}

test("no violation on the page, with the editor open, or as a phone with its menus open", async () => {
    const { page } = await openGame(session);
    assert.deepEqual(await violations(page), [], "the page");
    await page.click("#edit");
    await page.waitForSelector("#editor:not([hidden])");
    assert.deepEqual(await violations(page), [], "the editor");
    await page.close();
    const phone = await openGame(session, { width: 390, height: 844, screen: PHONE });
    assert.deepEqual(await violations(phone.page), [], "a phone");
    await phone.page.tap("#bar-more");
    assert.deepEqual(await violations(phone.page), [], "a phone's menu");
    await phone.page.tap("#edit");
    await phone.page.waitForSelector("#editor:not([hidden])");
    await phone.page.tap("#editor-more");
    await phone.page.tap("#editor-summary");
    assert.deepEqual(await violations(phone.page), [], "a phone's editor, its menu and its findings");
    await phone.page.close();
});
