// A pointer's strokes on the editor's grid: a press begins a stroke, every move paints the
// cells on the way from the last cell (so a quick drag leaves no gap), the release ends it.
// One pointer paints at a time; a mouse paints with its main button only.
import { strokeCells } from "./maze-draft.js";

// grid: the grid's canvas; cellAt(clientX, clientY): the cell under a point; stroke:
// { begin(), paint(cells), end() }
export function followStrokes(grid, cellAt, stroke) {
    let finger = null; // the pointer painting now: its id and last cell

    function paintTo(event) {
        const cell = cellAt(event.clientX, event.clientY);
        stroke.paint(strokeCells(finger.last || cell, cell));
        finger.last = cell;
    }

    grid.addEventListener("pointerdown", (event) => {
        if (finger !== null || (event.pointerType === "mouse" && event.button !== 0)) {
            return;
        }
        event.preventDefault();
        grid.setPointerCapture(event.pointerId);
        finger = { id: event.pointerId, last: null };
        stroke.begin();
        paintTo(event);
    });
    grid.addEventListener("pointermove", (event) => {
        if (finger !== null && event.pointerId === finger.id) {
            paintTo(event);
        }
    });
    for (const type of ["pointerup", "pointercancel", "lostpointercapture"]) {
        grid.addEventListener(type, (event) => {
            if (finger !== null && event.pointerId === finger.id) {
                finger = null;
                stroke.end();
            }
        });
    }
    grid.addEventListener("contextmenu", (event) => event.preventDefault());
}
