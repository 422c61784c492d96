// The editor's maze and its history: a stroke is one step, undo and redo go back and forth
// without limit, mirror paints both halves, and a new stroke forgets what was undone.
import { test } from "node:test";
import assert from "node:assert/strict";
import { MazeDraft, strokeCells } from "../../../web/maze-draft.js";

const ROWS = 31;
const COLUMNS = 28;
const START = ("X".repeat(COLUMNS) + "\n").repeat(1) + ("X" + "D".repeat(COLUMNS - 2) + "X\n").repeat(ROWS - 2) +
    "X".repeat(COLUMNS) + "\n";
const fresh = () => new MazeDraft(START, ROWS, COLUMNS);

function stroke(draft, cells, letter, mirror = false) {
    draft.beginStroke();
    for (const [row, column] of cells) {
        draft.paint(row, column, letter, mirror);
    }
    draft.endStroke();
}

test("strokes, undo and redo", () => {
    const cases = [
        {
            name: "a drag is one step",
            run: (d) => { stroke(d, [[5, 3], [5, 4], [5, 5]], "X"); d.undo(); },
            text: START, undo: false, redo: true,
        },
        {
            name: "redo puts the whole drag back",
            run: (d) => { stroke(d, [[5, 3], [5, 4], [5, 5]], "X"); d.undo(); d.redo(); },
            cells: [[5, 3, "X"], [5, 4, "X"], [5, 5, "X"], [5, 6, "D"]], undo: true, redo: false,
        },
        {
            name: "mirror paints column c and its image",
            run: (d) => stroke(d, [[2, 1]], "B", true),
            cells: [[2, 1, "B"], [2, 26, "B"], [2, 2, "D"]], undo: true, redo: false,
        },
        {
            name: "undo takes back both halves of a mirrored drag",
            run: (d) => { stroke(d, [[4, 4], [4, 5]], "S", true); d.undo(); },
            text: START, undo: false, redo: true,
        },
        {
            name: "painting what is there is no step",
            run: (d) => { stroke(d, [[0, 0], [0, 1]], "X"); d.paint(3, 3, "D"); },
            text: START, undo: false, redo: false,
        },
        {
            name: "a new stroke after undo forgets the redo",
            run: (d) => { stroke(d, [[6, 6]], "X"); d.undo(); stroke(d, [[7, 7]], "S"); },
            cells: [[6, 6, "D"], [7, 7, "S"]], undo: true, redo: false,
        },
        {
            name: "a maze put in place of the draft",
            run: (d) => { d.paint(9, 9, "X"); d.replace(START.replaceAll("D", "S")); },
            text: START.replaceAll("D", "S"), undo: true, redo: false,
        },
        {
            name: "a replaced maze is one step",
            run: (d) => { d.paint(9, 9, "X"); d.replace(START.replaceAll("D", "S")); d.undo(); },
            cells: [[9, 9, "X"], [1, 1, "D"]], undo: true, redo: true,
        },
        {
            name: "a cancelled stroke leaves no trace and no step",
            run: (d) => {
                stroke(d, [[2, 2]], "X");
                d.beginStroke();
                d.paint(3, 3, "S", true);
                d.paint(3, 4, "B");
                assert.deepEqual(d.cancelStroke(), [{ row: 3, column: 3 }, { row: 3, column: 24 }, { row: 3, column: 4 }]);
                d.endStroke();
            },
            cells: [[2, 2, "X"], [3, 3, "D"], [3, 24, "D"], [3, 4, "D"]], undo: true, redo: false,
        },
        {
            name: "a cell outside the grid is no change",
            run: (d) => stroke(d, [[-1, 3], [3, COLUMNS], [ROWS, 0]], "S"),
            text: START, undo: false, redo: false,
        },
    ];
    for (const c of cases) {
        const draft = fresh();
        c.run(draft);
        if (c.text) {
            assert.equal(draft.text(), c.text, c.name);
        }
        for (const [row, column, letter] of c.cells || []) {
            assert.equal(draft.at(row, column), letter, `${c.name}: ${row},${column}`);
        }
        assert.equal(draft.canUndo(), c.undo, `${c.name}: undo`);
        assert.equal(draft.canRedo(), c.redo, `${c.name}: redo`);
    }
});

test("undo goes back without limit, and redo forward again", () => {
    const draft = fresh();
    for (let i = 0; i < 600; i++) {
        draft.paint(1 + (i % (ROWS - 2)), 1 + (i % (COLUMNS - 2)), "XSB"[i % 3]);
    }
    const painted = draft.text();
    let undone = 0;
    while (draft.undo()) {
        undone++;
    }
    assert.equal(draft.text(), START);
    assert.ok(undone > 500, `${undone} steps undone`);
    while (draft.redo()) {
        undone--;
    }
    assert.equal(undone, 0);
    assert.equal(draft.text(), painted);
});

test("a text of too few rows or cells is read as it stands, the rest blank", () => {
    const draft = new MazeDraft("XXXX\nXSS", ROWS, COLUMNS);
    assert.equal(draft.text().split("\n").length, ROWS + 1);
    assert.equal(draft.text().slice(0, COLUMNS + 1), "XXXX" + " ".repeat(COLUMNS - 4) + "\n");
    assert.equal(draft.at(1, 2), "S");
    assert.equal(draft.at(1, 3), " ");
    assert.equal(draft.at(ROWS - 1, 0), " ");
});

test("a stroke from cell to cell fills the way between, with no gap and nothing twice", () => {
    const at = (row, column) => ({ row, column });
    const cases = [
        { from: at(4, 4), to: at(4, 4), cells: [at(4, 4)] },
        { from: at(4, 4), to: at(4, 5), cells: [at(4, 5)] },
        { from: at(4, 4), to: at(4, 7), cells: [at(4, 5), at(4, 6), at(4, 7)] },
        { from: at(4, 4), to: at(2, 2), cells: [at(3, 3), at(2, 2)] },
        { from: at(0, 0), to: at(1, 3), cells: [at(0, 1), at(1, 2), at(1, 3)] },
    ];
    for (const { from, to, cells } of cases) {
        assert.deepEqual(strokeCells(from, to), cells, `${JSON.stringify(from)} to ${JSON.stringify(to)}`);
    }
    // any way: each cell touches the one before it, the first touches where the stroke was
    for (const [from, to] of [[at(0, 0), at(30, 27)], [at(30, 0), at(0, 11)], [at(7, 20), at(9, 1)]]) {
        let last = from;
        for (const cell of strokeCells(from, to)) {
            assert.ok(Math.max(Math.abs(cell.row - last.row), Math.abs(cell.column - last.column)) === 1,
                `a gap or a repeat at ${JSON.stringify(cell)} after ${JSON.stringify(last)}`);
            last = cell;
        }
        assert.deepEqual(last, to);
    }
});
