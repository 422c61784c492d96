// The link codec: a maze goes into a fragment and comes out the same; a damaged fragment
// is refused, never half read. Random mazes and random or broken links come from a seeded
// generator, so a failure can be played again.
import { test } from "node:test";
import assert from "node:assert/strict";
import { readFileSync } from "node:fs";
import { join } from "node:path";
import { encodeMaze, decodeMaze, LINK_PREFIX } from "../../../web/maze-link.js";

const SOURCE = join(import.meta.dirname, "..", "..", "..");
// what the game says a maze is
const MAZE = { rows: 31, columns: 28, letters: { wall: "X", bit: "D", bigBit: "B", empty: "S" } };
const mazes = ["res/txt/map", "mazes/long-hall", "mazes/crossroads"].map((path) => readFileSync(join(SOURCE, path), "latin1"));

test("every maze comes back from its link as it went in, in a short link", () => {
    for (const maze of mazes) {
        const fragment = encodeMaze(maze, MAZE);
        assert.match(fragment, /^#maze=1\.[A-Za-z0-9_-]+$/);
        assert.equal(fragment.length, LINK_PREFIX.length + 290);
        assert.equal(decodeMaze(fragment, MAZE), maze);
    }
});

test("the letters are the game's: other letters, the same link", () => {
    const letters = { wall: "#", bit: ".", bigBit: "o", empty: "_" };
    const other = mazes[1].replace(/[XDBS]/g, (letter) => ({ X: "#", D: ".", B: "o", S: "_" })[letter]);
    const fragment = encodeMaze(other, { ...MAZE, letters });
    assert.equal(fragment, encodeMaze(mazes[1], MAZE));
    assert.equal(decodeMaze(fragment, { ...MAZE, letters }), other);
});

test("a damaged fragment gives no maze", () => {
    const good = encodeMaze(mazes[0], MAZE);
    for (const [what, fragment] of [
        ["another prefix", good.replace("#maze=1.", "#maze=2.")],
        ["no prefix", good.slice(LINK_PREFIX.length)],
        ["a character outside base64url", good.slice(0, -1) + "+"],
        ["one character short", good.slice(0, -1)],
        ["one character more", good + "A"],
        ["empty", LINK_PREFIX],
    ]) {
        assert.equal(decodeMaze(fragment, MAZE), null, what);
    }
});

// a small seeded generator (mulberry32): the same seed, the same numbers
function generator(seed) {
    let state = seed >>> 0;
    return () => {
        state = (state + 0x6d2b79f5) >>> 0;
        let t = state;
        t = Math.imul(t ^ (t >>> 15), t | 1);
        t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
        return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
    };
}

test("random mazes come back from their links; random and broken links never throw", () => {
    const random = generator(41);
    const pick = (list) => list[Math.floor(random() * list.length)];
    const letters = Object.values(MAZE.letters);
    for (let i = 0; i < 200; i++) {
        const rows = Array.from({ length: MAZE.rows }, () => Array.from({ length: MAZE.columns }, () => pick(letters)).join(""));
        const text = rows.join("\n") + "\n";
        assert.equal(decodeMaze(encodeMaze(text, MAZE), MAZE), text, `maze ${i}`);
    }
    const alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_+/=#.%é\u0000 ";
    const good = encodeMaze(mazes[0], MAZE);
    const broken = [];
    for (let length = 0; length <= good.length + 20; length++) {
        broken.push(Array.from({ length }, () => pick([...alphabet])).join(""));
        broken.push(LINK_PREFIX + Array.from({ length }, () => pick([...alphabet])).join(""));
        broken.push(good.slice(0, length));
    }
    for (let i = 0; i < 500; i++) {
        const at = LINK_PREFIX.length + Math.floor(random() * (good.length - LINK_PREFIX.length));
        broken.push(good.slice(0, at) + pick([...alphabet]) + good.slice(at + 1));
    }
    broken.push("#maze=1." + "A".repeat(1 << 20), undefined, null, 42);
    for (const fragment of broken) {
        const maze = decodeMaze(fragment, MAZE);
        assert.ok(maze === null || (maze.length === MAZE.rows * (MAZE.columns + 1) && /^[XDBS\n]+$/.test(maze)),
            `${JSON.stringify(String(fragment).slice(0, 60))} gave ${JSON.stringify(maze).slice(0, 60)}`);
    }
});
