// The maze editor as a player meets it: painting with the mouse, the keys and a finger,
// the game's findings as they paint, undo and redo, a file saved for the desktop tool, a
// maze played and shared, and a maze the game refuses.
import { test, before, after } from "node:test";
import assert from "node:assert/strict";
import { execFileSync } from "node:child_process";
import { existsSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { startBrowser, openGame, logLines, sleep, savedFrame, framesDiffer, desktopReference, PHONE, touch, twoFingers,
    holdKey, playerAt } from "./lib.mjs";
import { encodeMaze } from "../../web/maze-link.js";

const SOURCE = join(import.meta.dirname, "..", "..");
const TOOL = join(process.env.TRAVOLK_DESKTOP, "tools", "travolk-maze");
const SHIPPED = readFileSync(join(SOURCE, "res", "txt", "map"), "latin1");
const [ROWS, COLUMNS] = [31, 28];
const LETTERS = { wall: "X", bit: "D", bigBit: "B", empty: "S" };
const work = mkdtempSync(join(tmpdir(), "travolk-web-editor-"));
let session;

before(async () => {
    session = await startBrowser();
});
after(async () => {
    await session.close();
});

// the shipped maze with cells [row, column] (from 0) painted with letter
function painted(cells, letter, text = SHIPPED) {
    const rows = text.split("\n");
    for (const [row, column] of cells) {
        rows[row] = rows[row].slice(0, column) + letter + rows[row].slice(column + 1);
    }
    return rows.join("\n");
}

// the editor open on the maze being played
async function openEditor(page) {
    await page.click("#edit");
    await page.waitForSelector("#editor:not([hidden])");
    await page.click("#editor-from-game");
}

const kept = (page) => page.evaluate(() => localStorage.getItem("travolk-editor-maze"));
// a finger's events reach the page after the protocol's call returns
const keptAs = (page, maze) => page.waitForFunction((wanted) => localStorage.getItem("travolk-editor-maze") === wanted, {}, maze);
const report = (page) => page.$$eval("#editor-report li", (items) => items.map((item) => item.textContent));
const disabled = (page, id) => page.$eval(id, (button) => button.disabled);
const loads = async (page) => (await logLines(page)).filter((line) => line === "EOF reached").length;

// where the centre of a cell of the grid is on the page
async function cellPoint(page, row, column) {
    const box = await page.$eval("#editor-grid", (grid) => grid.getBoundingClientRect().toJSON());
    return { x: box.x + (column + 0.5) * box.width / COLUMNS, y: box.y + (row + 0.5) * box.height / ROWS };
}

// Save (or another button that saves), as the browser downloads it into folder; the
// file's path.
async function save(page, folder, button = "#editor-save") {
    const cdp = await page.createCDPSession();
    await cdp.send("Browser.setDownloadBehavior", { behavior: "allow", downloadPath: folder });
    const path = join(folder, "travolk-maze.txt");
    rmSync(path, { force: true });
    await page.click(button);
    for (let waited = 0; !existsSync(path) && waited < 5000; waited += 50) {
        await sleep(50);
    }
    await sleep(100);
    return path;
}

// what the desktop maze tool says of a file: its exit status and its lines
function toolCheck(path) {
    try {
        return { status: 0, lines: execFileSync(TOOL, ["check", path], { encoding: "utf8" }).trim().split("\n").filter(Boolean) };
    } catch (error) {
        return { status: error.status, lines: error.stdout.trim().split("\n").filter(Boolean) };
    }
}

test("a drag paints a run of cells, the desktop tool takes the saved file, and Play plays and shares it", async () => {
    const { page, errors } = await openGame(session);
    await openEditor(page);
    await page.click("#tool-wall");
    // the bottom corridor, from its second cell to its eleventh: dead ends, no error
    const run = Array.from({ length: 10 }, (_, i) => [29, 2 + i]);
    const from = await cellPoint(page, ...run[0]);
    const to = await cellPoint(page, ...run.at(-1));
    await page.mouse.move(from.x, from.y);
    await page.mouse.down();
    await page.mouse.move(to.x, to.y, { steps: 3 }); // quicker than the cells: none may be missed
    await page.mouse.up();
    const expected = painted(run, "X");
    assert.equal(await kept(page), expected);
    assert.ok((await report(page)).every((line) => / warning: a dead end$/.test(line)), (await report(page)).join("\n"));

    // one drag is one step of undo
    await page.click("#undo");
    assert.equal(await kept(page), SHIPPED);
    await page.click("#redo");
    assert.equal(await kept(page), expected);

    const file = await save(page, work);
    assert.equal(readFileSync(file, "latin1"), expected);
    const checked = toolCheck(file);
    assert.equal(checked.status, 0);
    assert.deepEqual(checked.lines.map((line) => line.replace(file + ":", "")), await report(page));

    assert.equal(await disabled(page, "#editor-play"), false);
    await page.click("#editor-play");
    await page.waitForSelector("#editor", { hidden: true });
    assert.match(await page.$eval("#maze-report", (line) => line.textContent), /^your maze: playing it/);
    await page.waitForFunction(() => document.getElementById("log").textContent.split("\n")
        .filter((line) => line === "EOF reached").length === 2);
    assert.ok((await page.$eval("#share-link", (link) => link.href)).endsWith(encodeMaze(expected, { rows: ROWS, columns: COLUMNS, letters: LETTERS })));
    desktopReference(work, file);
    await sleep(1000);
    const shot = join(work, "played.png");
    writeFileSync(shot, await savedFrame(page));
    assert.equal(framesDiffer(join(work, "desktop.png"), shot), false);
    assert.deepEqual(errors, []);
    await page.close();
});

test("keys paint; a walled start is one error and no Play, as the tool says; undo and redo; a forced Play changes nothing", async () => {
    const { page, errors } = await openGame(session);
    await openEditor(page);
    const link = await page.$eval("#share-link", (anchor) => anchor.href);
    await page.focus("#editor-grid");
    for (const [key, times] of [["ArrowDown", 23], ["ArrowRight", 15], ["1", 1]]) {
        for (let i = 0; i < times; i++) {
            await page.keyboard.press(key);
        }
    }
    const started = Date.now();
    await page.keyboard.press("Space");
    const findings = await report(page);
    console.log(`a key's stroke to its report: ${Date.now() - started} ms, with the test's round trips`);
    assert.equal(findings[0], "24:16: error: the player's start is not free");
    assert.ok(findings.length <= 3, findings.join("\n"));
    assert.equal(await disabled(page, "#editor-play"), true);
    assert.equal(await kept(page), painted([[23, 15]], "X"));

    const file = await save(page, work);
    const checked = toolCheck(file);
    assert.equal(checked.status, 1);
    assert.deepEqual(checked.lines.map((line) => line.replace(file + ":", "")), findings);

    // the game keeps its maze whatever the page is asked
    const loadsBefore = await loads(page);
    await page.$eval("#editor-play", (button) => {
        button.disabled = false;
        button.click();
    });
    await sleep(300);
    assert.equal(await page.$eval("#editor", (editor) => editor.hidden), false);
    assert.equal(await loads(page), loadsBefore);
    assert.equal(await page.$eval("#share-link", (anchor) => anchor.href), link);

    // undo and redo: the buttons, then the keys
    const start = painted([[23, 15]], "X");
    for (const [how, maze] of [["#undo", SHIPPED], ["#redo", start], ["Control+z", SHIPPED], ["Control+Shift+z", start],
                               ["Control+z", SHIPPED], ["Control+y", start]]) {
        if (how.startsWith("#")) {
            await page.click(how);
        } else {
            const keys = how.split("+");
            for (const key of keys) {
                await page.keyboard.down(key);
            }
            for (const key of keys.reverse()) {
                await page.keyboard.up(key);
            }
        }
        assert.equal(await kept(page), maze, how);
        assert.equal(await disabled(page, "#editor-play"), maze === start, how);
    }

    // a finding's line takes the cursor to its cell, where the keys mend it
    await page.click("#editor-report button.error");
    await page.keyboard.press("4");
    await page.keyboard.press("Enter");
    assert.equal(await kept(page), painted([[23, 15]], "S"));
    assert.equal(await disabled(page, "#editor-play"), false);

    // the editor's keys never reached the game; Escape closes the editor, not the game
    await page.keyboard.press("Escape");
    await page.waitForSelector("#editor", { hidden: true });
    await sleep(300);
    const lines = await logLines(page);
    assert.ok(!lines.includes("Shutting down game") && !lines.includes("Pausing"), lines.slice(-5).join("\n"));

    // a reload keeps the editor's maze, not the game's
    await page.reload();
    await page.waitForSelector("#edit:not([disabled])");
    await page.click("#edit");
    await page.waitForSelector("#editor:not([hidden])");
    assert.equal(await kept(page), painted([[23, 15]], "S"));
    assert.deepEqual(errors, []);
    await page.close();
});

test("mirror paints both halves; New starts a playable maze; a file goes into the editor; the game waits", async () => {
    const { page, errors } = await openGame(session);
    await openEditor(page);
    await page.click("#mirror");
    assert.equal(await page.$eval("#mirror", (button) => button.getAttribute("aria-pressed")), "true");
    await page.click("#tool-big");
    const point = await cellPoint(page, 4, 3);
    await page.mouse.click(point.x, point.y);
    assert.equal(await kept(page), painted([[4, 3], [4, 24]], "B"));

    await page.click("#editor-new");
    const blank = await kept(page);
    const rows = blank.split("\n").slice(0, ROWS);
    assert.ok(rows.every((row) => row === [...row].reverse().join("")), blank);
    assert.deepEqual(await report(page), ["No findings: the maze plays as it is."]);
    assert.equal(await disabled(page, "#editor-play"), false);

    // a file loaded while the editor is open goes into the editor, not the game; the game
    // stands still meanwhile, and goes on after Close
    const loadsBefore = await loads(page);
    const crossroads = join(SOURCE, "mazes", "crossroads");
    await (await page.$("#maze-file")).uploadFile(crossroads);
    await page.waitForFunction((wanted) => localStorage.getItem("travolk-editor-maze") === wanted, {},
        readFileSync(crossroads, "latin1"));
    const steps = () => page.evaluate(() => Module._travolk_steps_taken());
    const held = await steps();
    await page.keyboard.press("p");
    await sleep(500);
    assert.equal(await steps(), held);
    await page.click("#editor-close");
    await page.waitForSelector("#editor", { hidden: true });
    await sleep(500);
    assert.ok(await steps() > held + 20, "the game did not go on after Close");
    assert.equal(await loads(page), loadsBefore);
    assert.ok(!(await logLines(page)).includes("Pausing"), "the editor's p reached the game");
    assert.deepEqual(errors, []);
    await page.close();
});

// Each pixel of the grid against the pixel of the game's maze picture (as the build made
// it) that it scales from: a wall's fill and outline the same, and no wall where the
// picture has none; the cells differing, as "row:column".
async function cellsUnlikeThePicture(page) {
    return page.evaluate(async (rows, columns) => {
        const file = new Blob([Module.FS.readFile("/res/gfx/map4.png")], { type: "image/png" });
        const bitmap = await createImageBitmap(file);
        const canvas = new OffscreenCanvas(bitmap.width, bitmap.height).getContext("2d");
        canvas.drawImage(bitmap, 0, 0);
        const picture = canvas.getImageData(0, 0, bitmap.width, bitmap.height);
        const grid = document.getElementById("editor-grid");
        const shown = grid.getContext("2d").getImageData(0, 0, grid.width, grid.height);
        const side = bitmap.width / columns;
        const size = grid.width / columns;
        const colour = (image, x, y) => image.data.slice((y * image.width + x) * 4, (y * image.width + x) * 4 + 3).join();
        const walls = new Set(["16,24,80", "80,112,255"]);
        const differing = new Set();
        for (let y = 0; y < grid.height; y++) {
            for (let x = 0; x < grid.width; x++) {
                const [row, column] = [Math.floor(y / size), Math.floor(x / size)];
                const wanted = colour(picture, column * side + Math.floor((x % size + 0.5) * side / size),
                    row * side + Math.floor((y % size + 0.5) * side / size));
                const got = colour(shown, x, y);
                if (walls.has(wanted) ? got !== wanted : walls.has(got)) {
                    differing.add(row + ":" + column);
                }
            }
        }
        return [...differing];
    }, ROWS, COLUMNS);
}

test("the grid's walls are the game's own maze picture, cell by cell, enlarged to any size", async () => {
    const { page, errors } = await openGame(session, { width: 1200, height: 900 });
    await openEditor(page);
    assert.ok((await page.$eval("#editor-grid", (grid) => grid.width)) > 28 * 20, "a grid no larger than the picture");
    assert.deepEqual(await cellsUnlikeThePicture(page), []);
    // a wall painted: its own outline and its neighbours' drawn again as the game draws them
    await page.keyboard.press("1");
    for (let i = 0; i < 3; i++) {
        await page.keyboard.press("ArrowDown");
    }
    await page.keyboard.press("ArrowRight");
    await page.keyboard.press("Enter");
    assert.equal(await kept(page), painted([[3, 1]], "X"));
    const unlike = await cellsUnlikeThePicture(page);
    assert.ok(unlike.includes("3:1") && unlike.every((cell) => /^[234]:[012]$/.test(cell)),
        "the shipped picture against the painted maze: " + unlike);
    await page.setViewport({ width: 1600, height: 1000 });
    await page.waitForFunction(() => document.getElementById("editor-grid").width > 28 * 27);
    await page.click("#editor-from-game");
    assert.deepEqual(await cellsUnlikeThePicture(page), []);
    assert.deepEqual(errors, []);
    await page.close();
});

// the grid's box on the page, and its canvas's pixels across
const gridBox = (page) => page.$eval("#editor-grid", (grid) => ({ ...grid.getBoundingClientRect().toJSON(), pixels: grid.width }));
const pageStill = (page) => page.evaluate(() => window.scrollX + window.scrollY + Math.abs(visualViewport.scale - 1));

test("fingers on a phone: a tap and a drag paint, a second finger cancels, two pan and zoom; the report keeps up", async () => {
    const { page, errors } = await openGame(session, { width: 390, height: 844, screen: PHONE });
    await page.tap("#edit");
    await page.waitForSelector("#editor:not([hidden])");
    await page.tap("#editor-more");
    await page.tap("#editor-from-game");
    await page.tap("#tool-empty");
    // a tap paints its cell, a drag its stroke: beside the player's start, where the editor opens
    const tapped = await cellPoint(page, 23, 12);
    await page.touchscreen.tap(tapped.x, tapped.y);
    await keptAs(page, painted([[23, 12]], "S"));
    const run = Array.from({ length: 4 }, (_, i) => [20, 9 + i]);
    const [from, to] = [await cellPoint(page, ...run[0]), await cellPoint(page, ...run.at(-1))];
    await touch(page, [[from], [to], []]);
    const stroked = painted([[23, 12], ...run], "S");
    await keptAs(page, stroked);

    // a second finger: the first one's stroke undone, the fingers zoom in, nothing painted
    const opened = await gridBox(page);
    const [a, b] = [await cellPoint(page, 26, 10), await cellPoint(page, 26, 16)];
    await touch(page, [[a], [{ x: a.x + 30, y: a.y }], [{ x: a.x + 30, y: a.y }, b],
        ...twoFingers([{ x: a.x + 30, y: a.y }, b], [{ x: a.x - 60, y: a.y }, { x: b.x + 60, y: b.y }]).slice(1), []]);
    assert.equal(await kept(page), stroked, "a pinch painted");
    assert.equal(await disabled(page, "#redo"), true, "the cancelled stroke became a step");
    const zoomed = await gridBox(page);
    assert.ok(zoomed.width > opened.width * 1.5, `${opened.width} px wide, then ${zoomed.width}`);

    // as far in and out as fingers go: 48 px cells, the whole maze; two fingers pan; sharp
    const area = await page.$eval("#editor-area", (element) => element.getBoundingClientRect().toJSON());
    const middle = { x: area.x + area.width / 2, y: area.y + area.height / 2 };
    const apart = (d) => [{ x: middle.x - d, y: middle.y }, { x: middle.x + d, y: middle.y }];
    await touch(page, [...twoFingers(apart(20), apart(160)), []]);
    assert.equal((await gridBox(page)).width, 48 * COLUMNS);
    await touch(page, [...twoFingers(apart(160), apart(10)), []]);
    const whole = await gridBox(page);
    assert.ok(whole.width <= area.width && whole.height <= area.height, `the whole maze in ${JSON.stringify(whole)}`);
    await touch(page, [...twoFingers(apart(20), apart(80)), []]);
    const before = await gridBox(page);
    const moved = (points, dx, dy) => points.map(({ x, y }) => ({ x: x + dx, y: y + dy }));
    await touch(page, [...twoFingers(apart(60), moved(apart(60), 40, -30)), []]);
    const after = await gridBox(page);
    assert.deepEqual([after.width, after.x - before.x, after.y - before.y], [before.width, 40, -30]);
    // a screen pixel a pixel, up to the largest canvas a phone's browser draws (4096 x 4096)
    assert.ok(after.pixels >= 0.95 * after.width * PHONE.deviceScaleFactor, `a grid ${after.width} px wide of ${after.pixels} pixels`);
    assert.equal(await pageStill(page), 0);

    // the sheet: the count shows, a tap opens the list, a finding's tap brings its cell
    await page.tap("#tool-wall");
    await touch(page, [...twoFingers(apart(160), apart(10)), []]);
    const startCell = await cellPoint(page, 23, 15);
    await page.touchscreen.tap(startCell.x, startCell.y);
    await page.waitForFunction(() => /^1 error, \d+ warnings?$/.test(document.getElementById("editor-summary").textContent));
    await touch(page, [...twoFingers(apart(20), apart(160)), []]);
    await touch(page, [...twoFingers(apart(60), moved(apart(60), -100, -150)), []]);
    const away = await cellPoint(page, 23, 15);
    assert.ok(Math.abs(away.x - middle.x) >= 48 || Math.abs(away.y - middle.y) >= 48, "the start was in sight already");
    await page.tap("#editor-summary");
    await page.tap("#editor-report button.error");
    const shown = await cellPoint(page, 23, 15);
    const areaNow = await page.$eval("#editor-area", (element) => element.getBoundingClientRect().toJSON());
    assert.ok(Math.abs(shown.x - (areaNow.x + areaNow.width / 2)) < 48 && shown.y > areaNow.y && shown.y < areaNow.y + areaNow.height,
        `the finding's cell at ${JSON.stringify(shown)}`);
    await page.tap("#undo");
    await touch(page, [...twoFingers(apart(160), apart(10)), []]);

    // A long drag, a wall over a new cell at each move: how long from the move to the frame
    // that shows its report, and how many frames the page draws meanwhile.
    await page.tap("#tool-wall");
    await page.evaluate(() => {
        window.strokeTimes = [];
        window.frames = 0;
        const count = () => {
            window.frames += 1;
            window.counting = requestAnimationFrame(count);
        };
        window.counting = requestAnimationFrame(count);
        document.getElementById("editor-grid").addEventListener("pointermove", (event) => {
            requestAnimationFrame(() => window.strokeTimes.push(performance.now() - event.timeStamp));
        });
    });
    const path = [];
    for (let row = 1; row < ROWS - 1 && path.length < 100; row += 2) {
        for (let column = 1; column < COLUMNS - 1 && path.length < 100; column += 2) {
            path.push(await cellPoint(page, row, row % 4 === 1 ? column : COLUMNS - 1 - column));
        }
    }
    const began = Date.now();
    const drag = await page.touchscreen.touchStart(path[0].x, path[0].y);
    for (const point of path.slice(1)) {
        await drag.move(point.x, point.y);
        await sleep(10);
    }
    await drag.end();
    await sleep(100);
    const seconds = (Date.now() - began) / 1000;
    const { times, frames } = await page.evaluate(() => {
        cancelAnimationFrame(window.counting);
        return { times: window.strokeTimes, frames: window.frames };
    });
    times.sort((a, b) => a - b);
    console.log(`stroke to report on screen over ${times.length} moves: median ${times[times.length >> 1].toFixed(1)} ms, ` +
        `worst ${times.at(-1).toFixed(1)} ms; ${(frames / seconds).toFixed(1)} frames a second while dragging`);
    assert.ok(times.length >= 95, `${times.length} moves timed`);
    assert.ok(times.at(-1) < 100, `the worst stroke took ${times.at(-1)} ms`);
    assert.ok((await report(page)).length > 0);
    assert.deepEqual(errors, []);
    await page.close();
});

test("storage refused, blocked or full: the game plays, the editor edits, says so once and offers Save", async () => {
    const refusals = {
        blocked: () => Object.defineProperty(window, "localStorage", {
            get: () => {
                throw new DOMException("The operation is insecure.", "SecurityError");
            },
        }),
        full: () => {
            localStorage.clear();
            Storage.prototype.setItem = () => {
                throw new DOMException("The quota has been exceeded.", "QuotaExceededError");
            };
        },
    };
    for (const [how, init] of Object.entries(refusals)) {
        const { page, errors } = await openGame(session, { init });
        const start = await playerAt(page);
        await holdKey(page, "ArrowLeft", 300);
        assert.ok((await playerAt(page)).x < start.x, `${how}: the player did not move`);
        await page.click("#edit");
        await page.waitForSelector("#editor:not([hidden])");
        const said = await page.$eval("#editor-note", (note) => note.textContent);
        assert.match(said, /keeps no maze .* Save/, how);
        const file = await save(page, work, "#editor-note button");
        assert.equal(readFileSync(file, "latin1"), SHIPPED, `${how}: the maze saved`);
        // painting goes on, checked as ever, and the note says it no more
        await page.focus("#editor-grid");
        for (const key of [...Array(23).fill("ArrowDown"), ...Array(15).fill("ArrowRight"), "1", "Enter", "ArrowUp", "Enter"]) {
            await page.keyboard.press(key);
        }
        assert.equal((await report(page))[0], "24:16: error: the player's start is not free", how);
        assert.match(await page.$eval("#editor-note", (note) => note.textContent), /^Saved as/, `${how}: said again`);
        assert.deepEqual(errors, [], how);
        await page.close();
    }
});
