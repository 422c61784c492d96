// The bridge to the game's runtime, against a fake runtime: its answers read as plain data,
// and the game's life (loading, ready, ended, failed) told as events and held as state.
import { test } from "node:test";
import assert from "node:assert/strict";

// a page with a canvas that has WebGL or not, and the script the bridge loads
const scripts = [];
const errorListeners = [];
globalThis.window = { addEventListener: (type, listener) => type === "error" && errorListeners.push(listener) };
globalThis.document = {
    createElement: () => ({}),
    body: { appendChild: (script) => scripts.push(script.src) },
};
const canvasListeners = {};
const canvas = (webgl) => ({
    getContext: () => (webgl ? {} : null),
    addEventListener: (type, listener) => {
        canvasListeners[type] = listener;
    },
});

const { game, loadGame, startGame, holdGame, checkMaze, mazeRules, mazePicture } = await import("../../../web/game.js");

// the game's answers, as a fake runtime gives them: JSON texts, and a heap of bytes
const answers = {
    travolk_check_maze: '{"playable":false,"taken":false,"findings":[{"row":23,"column":15,"error":true,' +
        '"text":"a \\"wall\\" here","said":"24:16: error: a \\"wall\\" here"}]}',
    travolk_maze_picture: '{"width":3,"height":2,"rgba":8}',
    travolk_maze_rules: '{"rows":2,"columns":3,"cell":1,"letters":{"wall":"X","bit":"D","bigBit":"B","empty":"S"},' +
        '"places":[{"row":1,"column":2,"kind":"pen"}]}',
};
const asked = [];
const heap = new Uint8Array(64).map((_, i) => i);
const runtime = {
    HEAPU8: heap,
    ccall: (name, returns, types, args) => {
        asked.push(name);
        return answers[name];
    },
};

test("the game's answers come as plain data: a report, the rules asked once, a picture copied", () => {
    globalThis.Module = runtime;
    assert.deepEqual(checkMaze("XXX\n"), {
        playable: false, taken: false,
        findings: [{ row: 23, column: 15, error: true, text: 'a "wall" here', said: '24:16: error: a "wall" here' }],
    });
    const rules = mazeRules();
    assert.deepEqual([rules.rows, rules.columns, rules.letters.wall, rules.places], [2, 3, "X", [{ row: 1, column: 2, kind: "pen" }]]);
    assert.equal(mazeRules(), rules);
    const picture = mazePicture("XXX\n");
    heap.fill(0);
    assert.deepEqual([picture.width, picture.height], [3, 2]);
    assert.deepEqual([...picture.data], Array.from({ length: 24 }, (_, i) => 8 + i), "not the game's bytes, or not a copy");
    assert.deepEqual(asked, ["travolk_check_maze", "travolk_maze_rules", "travolk_maze_picture"]);
});

test("the game's life: loading, ready, ended, and a failure that ends it for good", () => {
    const told = [];
    for (const type of ["loading", "loaded", "ready", "ended", "failed", "line"]) {
        game.addEventListener(type, (event) => told.push(event.detail === null ? type : [type, event.detail]));
    }
    assert.equal(loadGame(canvas(false)), "WebGL");
    assert.deepEqual(scripts, [], "a game loaded without WebGL");
    assert.equal(loadGame(canvas(true)), null);
    assert.deepEqual(scripts, ["travolk.js"]);

    const runtime = globalThis.window.Module;
    globalThis.Module = runtime;
    const calls = [];
    runtime.callMain = () => calls.push("callMain");
    runtime.setStatus("Downloading data... (25/100)");
    runtime.monitorRunDependencies(1);
    runtime.setStatus("");
    for (const byte of new TextEncoder().encode("Loading graphics\n")) {
        runtime.stdout(byte);
    }
    runtime.travolkReady();
    assert.deepEqual([game.ready, game.running], [true, true]);
    assert.equal(startGame(), false, "a second game started over the first");
    runtime.travolkEnded();
    assert.equal(game.running, false);
    assert.equal(startGame(), true);
    runtime.travolkReady();

    console.error = () => {};
    errorListeners[0]({ filename: "http://site/editor.js", error: "the page's own" });
    assert.equal(game.failed, false, "an error of the page's stopped the game");
    errorListeners[0]({ filename: "http://site/travolk.js", error: "a broken step" });
    runtime.onAbort("after the failure");
    assert.deepEqual([game.failed, game.running], [true, false]);
    assert.equal(startGame(), false, "a game started after a failure");
    assert.deepEqual(calls, ["callMain"]);
    assert.deepEqual(told, [["loading", 25], ["loading", 25], "loaded", ["line", "Loading graphics"],
        "ready", "ended", "ready", ["failed", "a broken step"]]);
});

test("a lost WebGL context: asked back, the game held until it is back, then made again in it", () => {
    const told = [];
    game.addEventListener("graphics", () => told.push([game.graphics, game.held]));
    globalThis.Module = runtime;
    asked.length = 0;
    let asksBack = false;
    holdGame("editor", true);
    canvasListeners.webglcontextlost({ preventDefault: () => (asksBack = true) });
    assert.ok(asksBack, "the browser is not asked to give the context back");
    holdGame("editor", false);
    assert.equal(game.held, true, "closing the editor let go of a game without graphics");
    canvasListeners.webglcontextrestored({});
    assert.equal(game.held, false);
    assert.deepEqual(told, [[false, true], [true, false]]);
    assert.deepEqual(asked, ["travolk_hold_game", "travolk_renew_graphics", "travolk_hold_game"]);
});
