// Where the editor's grid lies and how large its cells are: the whole maze at the smallest
// zoom, 48 px cells at the largest, the grid covering its area where it is larger, and two
// fingers keeping the maze's place under their middle.
import { test } from "node:test";
import assert from "node:assert/strict";
import { GridView, MAX_CELL_PX, TOUCH_CELL_PX } from "../../../web/grid-view.js";

const [ROWS, COLUMNS] = [31, 28];

function viewIn(width, height) {
    const view = new GridView(ROWS, COLUMNS);
    view.setArea(width, height);
    return view;
}

test("the view's zoom and place, on a desktop's area and a phone's", () => {
    const cases = [
        // the whole maze, whole pixels a cell, in the middle
        { name: "fit on a desktop", area: [800, 540], act: (v) => v.fit(), cell: 17, x: 162, y: 7 },
        { name: "fit on a phone", area: [390, 620], act: (v) => v.fit(), cell: 13, x: 13, y: 109 },
        // opened for fingers on the start: centred across, held to the maze's edges down
        { name: "open on a cell", area: [390, 620], act: (v) => v.open(TOUCH_CELL_PX, { row: 15.5, column: 14 }),
          cell: 24, x: -141, y: -62 },
        { name: "open near the bottom edge", area: [390, 620], act: (v) => v.open(TOUCH_CELL_PX, { row: 23.5, column: 14 }),
          cell: 24, x: -141, y: -124 },
        { name: "open where the whole maze fits larger cells", area: [1200, 1400],
          act: (v) => v.open(TOUCH_CELL_PX, { row: 0, column: 0 }), cell: 42, x: 12, y: 49 },
        { name: "pushed past the edges is held to them", area: [390, 620], act: (v) => { v.cell = 40; v.place(100, -5000); },
          cell: 40, x: 0, y: -620 },
    ];
    for (const c of cases) {
        const view = viewIn(...c.area);
        c.act(view);
        assert.deepEqual({ cell: view.cell, x: view.x, y: view.y }, { cell: c.cell, x: c.x, y: c.y }, c.name);
    }
});

test("two fingers zoom between the whole maze and 48 px cells, the maze's place under their middle", () => {
    const view = viewIn(390, 620);
    view.open(TOUCH_CELL_PX, { row: 15.5, column: 14 });
    const middle = { x: 200, y: 300 };
    const then = { cell: view.cell, spread: 100, under: view.cellAt(middle.x, middle.y) };
    view.pinch(then, 150, middle);
    assert.equal(view.cell, 36);
    const under = view.cellAt(middle.x, middle.y);
    assert.ok(Math.abs(under.row - then.under.row) < 0.05 && Math.abs(under.column - then.under.column) < 0.05,
        `${JSON.stringify(under)} against ${JSON.stringify(then.under)}`);
    view.pinch(then, 1000, middle);
    assert.equal(view.cell, MAX_CELL_PX);
    view.pinch(then, 10, middle);
    assert.equal(view.cell, view.fitCell);
    assert.deepEqual({ x: view.x, y: view.y }, { x: 13, y: 109 }, "the whole maze lies in the middle");
    // a pan: the same spread, the middle moved
    view.pinch({ ...then, cell: 30 }, 100, { x: 250, y: 280 });
    assert.equal(view.x, Math.round(250 - then.under.column * 30));
    // a smaller area keeps the zoom and the grid's middle; a much larger one the whole maze
    const before = view.cellAt(195, 310);
    view.setArea(390, 500);
    const after = view.cellAt(195, 250);
    assert.ok(view.cell === 30 && Math.abs(after.row - before.row) < 0.5 && Math.abs(after.column - before.column) < 0.5,
        `${JSON.stringify(before)} then ${JSON.stringify(after)} at ${view.cell} px`);
    view.setArea(2000, 2000);
    assert.equal(view.cell, view.fitCell);
});
