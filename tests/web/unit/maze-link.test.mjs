// The link codec: a maze goes into a fragment and comes out the same; a damaged fragment
// is refused, never half read.
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
