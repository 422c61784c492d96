// The installable app: Chromium finds it installable, it plays offline once visited (the
// game and a shared maze link), and a new build takes over only when the player takes it.
import { test } from "node:test";
import assert from "node:assert/strict";
import { cpSync, mkdtempSync, readFileSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { startBrowser, openGame, waitForLine, SITE } from "./lib.mjs";

// once the worker has kept the site and controls the page
const kept = (page) => page.waitForFunction(() => navigator.serviceWorker.controller !== null, { timeout: 30000 });

test("installable, and the game and a shared maze play with the server gone", async (t) => {
    const session = await startBrowser();
    t.after(() => session.close());
    const { page, errors } = await openGame(session);
    await kept(page);
    const client = await page.createCDPSession();
    const { installabilityErrors } = await client.send("Page.getInstallabilityErrors");
    assert.deepEqual(installabilityErrors, []);
    const link = await page.$eval("#share-link", (anchor) => anchor.href);

    session.server.closeAllConnections();
    session.server.close();
    const started = Date.now();
    await page.reload();
    await waitForLine(page, "Game initialization successful");
    console.log(`first frame offline ${Date.now() - started} ms after the page was asked for`);
    const shared = await openGame(session, { path: link.slice(session.base.length) });
    assert.equal(await shared.page.$eval("#maze-report", (report) => report.textContent), "linked maze: playing it");
    assert.deepEqual([...errors, ...shared.errors], []);
});

test("a new build served in place of the old is offered, and played once taken", async (t) => {
    const session = await startBrowser();
    t.after(() => session.close());
    const { page, errors } = await openGame(session);
    await kept(page);

    const second = mkdtempSync(join(tmpdir(), "travolk-second-build-"));
    cpSync(SITE, second, { recursive: true });
    const html = readFileSync(join(second, "index.html"), "utf8");
    writeFileSync(join(second, "index.html"), html.replace("<title>", '<meta name="build" content="second">\n<title>'));
    const worker = readFileSync(join(second, "service-worker.js"), "utf8");
    writeFileSync(join(second, "service-worker.js"), worker.replace(/const CACHE = "travolk-[^"]*"/, 'const CACHE = "travolk-second"'));
    session.server.site = second;

    const build = () => page.$eval("head", (head) => head.querySelector('meta[name="build"]')?.content ?? "first");
    await page.reload();
    await waitForLine(page, "Game initialization successful");
    assert.equal(await build(), "first", "the page mixed or switched builds on its own");
    await page.waitForSelector("#update:not([hidden])", { timeout: 30000 });
    await Promise.all([page.waitForNavigation(), page.click("#update")]);
    await waitForLine(page, "Game initialization successful");
    assert.equal(await build(), "second");
    assert.deepEqual(errors, []);
});
