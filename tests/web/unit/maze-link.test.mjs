// The link codec: a maze goes into a fragment and comes out the same; a damaged fragment
// is refused, never half read.
import { test } from "node:test";
import assert from "node:assert/strict";
import { readFileSync } from "node:fs";
import { join } from "node:path";
import { encodeMaze, decodeMaze, LINK_PREFIX } from "../../../web/maze-link.js";

const SOURCE = join(import.meta.dirname, "..", "..", "..");
const [ROWS, COLUMNS] = [31, 28];
const mazes = ["res/txt/map", "mazes/long-hall", "mazes/crossroads"].map((path) => readFileSync(join(SOURCE, path), "latin1"));

test("every maze comes back from its link as it went in, in a short link", () => {
    for (const maze of mazes) {
        const fragment = encodeMaze(maze, ROWS, COLUMNS);
        assert.match(fragment, /^#maze=1\.[A-Za-z0-9_-]+$/);
        assert.equal(fragment.length, LINK_PREFIX.length + 290);
        assert.equal(decodeMaze(fragment, ROWS, COLUMNS), maze);
    }
});

test("a damaged fragment gives no maze", () => {
    const good = encodeMaze(mazes[0], ROWS, COLUMNS);
    for (const [what, fragment] of [
        ["another prefix", good.replace("#maze=1.", "#maze=2.")],
        ["no prefix", good.slice(LINK_PREFIX.length)],
        ["a character outside base64url", good.slice(0, -1) + "+"],
        ["one character short", good.slice(0, -1)],
        ["one character more", good + "A"],
        ["empty", LINK_PREFIX],
    ]) {
        assert.equal(decodeMaze(fragment, ROWS, COLUMNS), null, what);
    }
});
