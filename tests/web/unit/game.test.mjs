// The bridge to the game's runtime, against a fake runtime: its reports read as plain data,
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
const canvas = (webgl) => ({ getContext: () => (webgl ? {} : null) });

const { game, loadGame, startGame, parseReport } = await import("../../../web/game.js");

test("a report reads as its verdict and findings, each with its place, kind and text", () => {
    const cases = [
        { report: "playable\n", verdict: "playable", findings: [] },
        { report: "unreadable\n", verdict: "unreadable", findings: [] },
        {
            report: "unplayable\n3:14: error: a wall on the player's start\n31:1: warning: a pellet cut off\n",
            verdict: "unplayable",
            findings: [
                { line: 3, column: 14, error: true, text: "a wall on the player's start",
                  said: "3:14: error: a wall on the player's start" },
                { line: 31, column: 1, error: false, text: "a pellet cut off", said: "31:1: warning: a pellet cut off" },
            ],
        },
    ];
    for (const { report, verdict, findings } of cases) {
        assert.deepEqual(parseReport(report), { verdict, findings }, report);
    }
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
