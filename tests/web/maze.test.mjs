// Mazes handed to the page: a file checked by the maze tool's rules and played as the
// desktop plays it, the link that shares it, and every kind of bad input.
import { test, before, after } from "node:test";
import assert from "node:assert/strict";
import { mkdtempSync, readFileSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { startBrowser, openGame, logLines, holdKey, sleep, framesDiffer, desktopReference } from "./lib.mjs";

const SOURCE = join(import.meta.dirname, "..", "..");
const work = mkdtempSync(join(tmpdir(), "travolk-web-maze-"));
const good = join(SOURCE, "mazes", "long-hall");
let session;

before(async () => {
    session = await startBrowser();
});
after(async () => {
    await session.close();
});

function file(name, content) {
    const path = join(work, name);
    writeFileSync(path, content);
    return path;
}

async function load(page, path) {
    const before = await page.$eval("#maze-report", (report) => report.textContent);
    const input = await page.$("#maze-file");
    await input.uploadFile(path);
    await page.waitForFunction((old) => document.getElementById("maze-report").textContent !== old, {}, before);
    return page.$eval("#maze-report", (report) => report.textContent);
}

const loads = async (page) => (await logLines(page)).filter((line) => line === "EOF reached").length;

test("a playable maze file plays at once as the desktop plays it, and its link shares it", async () => {
    desktopReference(work, good);
    const { page, errors } = await openGame(session);
    assert.equal(await load(page, good), "long-hall: playing it");
    await page.waitForFunction(() => document.getElementById("log").textContent.split("\n")
        .filter((line) => line === "EOF reached").length === 2);
    await sleep(1000);
    const played = join(work, "played.png");
    writeFileSync(played, await (await page.$("#canvas")).screenshot());
    assert.equal(framesDiffer(join(work, "desktop.png"), played), false);

    const link = await page.$eval("#share-link", (anchor) => anchor.href);
    assert.match(link, /#maze=1\.[A-Za-z0-9_-]+$/);
    assert.ok(link.length < session.base.length + 320, `a long link: ${link.length}`);
    const shared = await openGame(session, { path: link.slice(session.base.length) });
    assert.equal(await shared.page.$eval("#maze-report", (report) => report.textContent), "linked maze: playing it");
    await sleep(1000);
    const linked = join(work, "linked.png");
    writeFileSync(linked, await (await shared.page.$("#canvas")).screenshot());
    assert.equal(framesDiffer(join(work, "desktop.png"), linked), false);
    // after Escape, a maze file starts a new game
    await shared.page.click("#canvas");
    await holdKey(shared.page, "Escape");
    await shared.page.waitForSelector("#play-again:not([hidden])");
    assert.equal(await load(shared.page, join(SOURCE, "mazes", "crossroads")), "crossroads: playing it");
    await shared.page.waitForSelector("#play-again", { hidden: true });
    assert.deepEqual([...errors, ...shared.errors], []);
    await shared.page.close();
    await page.close();
});

test("bad files get a clear line and leave the running game alone", async () => {
    const { page, errors } = await openGame(session);
    const shipped = readFileSync(join(SOURCE, "res", "txt", "map"), "latin1");
    const cases = [
        { name: "open", content: shipped.replace(/^X{28}/, "XXXXXDXXXXXXXXXXXXXXXXXXXXXX"),
          expected: /^open: not playable, the game goes on unchanged\nopen:1:6: error: /},
        { name: "empty", content: "", expected: /^empty: the file is empty/ },
        { name: "huge", content: shipped.repeat(100), expected: /^huge: \d+ bytes is too large for a maze file/ },
        { name: "binary", content: Buffer.from([0x89, 0x50, 0x4e, 0x47, 0, 1, 2, 255, 13, 10]),
          expected: /^binary: not playable, the game goes on unchanged\nbinary:1:1: error: / },
    ];
    for (const { name, content, expected } of cases) {
        assert.match(await load(page, file(name, content)), expected, name);
        assert.ok(await page.$eval("#maze-report", (report) => report.classList.contains("bad")), name);
    }
    await sleep(300);
    assert.equal(await loads(page), 1, "a bad file started a new game");
    assert.ok((await logLines(page)).includes("Game initialization successful"));
    assert.deepEqual(errors, []);
    await page.close();
});

test("a damaged or unplayable link says so and plays the shipped maze", async () => {
    const links = [
        { hash: "#maze=1.not-a-maze", expected: /^The link's maze is damaged; playing the game's own maze$/ },
        { hash: "#maze=1." + "A".repeat(290), expected: /^linked maze: not playable, playing the game's own maze\nlinked maze:1:1: error: / },
    ];
    for (const { hash, expected } of links) {
        const { page, errors } = await openGame(session, { path: hash });
        assert.match(await page.$eval("#maze-report", (report) => report.textContent), expected, hash);
        assert.equal(await loads(page), 1);
        assert.deepEqual(errors, []);
        await page.close();
    }
});
