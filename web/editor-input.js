// Pointers on the editor's grid. One paints: a press begins a stroke, every move paints the
// cells on the way from the last cell (so a quick drag leaves no gap), the release ends it;
// a mouse paints with its main button only. Two fingers move and zoom the grid: a second
// finger cancels the stroke that the first began, so a pinch never paints, and nothing
// paints again until every finger has lifted.
import { strokeCells } from "./maze-draft.js";

const spreadOf = ([a, b]) => Math.hypot(a.x - b.x, a.y - b.y);
const middleOf = ([a, b]) => ({ x: (a.x + b.x) / 2, y: (a.y + b.y) / 2 });

// grid: the grid's canvas; cellAt(clientX, clientY): the cell under a point; stroke:
// { begin(), paint(cells), end(), cancel() }; pinch: { begin(spread, middle), move(spread,
// middle), end() }, the fingers' distance and middle in the page's CSS pixels
export function followPointers(grid, cellAt, stroke, pinch) {
    const down = new Map(); // the pointers down: their places by id
    let painter = null; // the pointer painting now: its id and last cell
    let pinching = false; // two fingers came down, and not all have lifted since

    function paintTo(event) {
        const cell = cellAt(event.clientX, event.clientY);
        stroke.paint(strokeCells(painter.last || cell, cell));
        painter.last = cell;
    }

    function fingers() {
        const [a, b] = down.values();
        return [spreadOf([a, b]), middleOf([a, b])];
    }

    grid.addEventListener("pointerdown", (event) => {
        if (event.pointerType === "mouse" && event.button !== 0) {
            return;
        }
        event.preventDefault();
        grid.setPointerCapture(event.pointerId);
        down.set(event.pointerId, { x: event.clientX, y: event.clientY });
        if (down.size === 1 && !pinching) {
            painter = { id: event.pointerId, last: null };
            stroke.begin();
            paintTo(event);
        } else if (down.size === 2) {
            if (painter !== null) {
                painter = null;
                stroke.cancel();
            }
            pinching = true;
            pinch.begin(...fingers());
        }
    });
    grid.addEventListener("pointermove", (event) => {
        if (!down.has(event.pointerId)) {
            return;
        }
        down.set(event.pointerId, { x: event.clientX, y: event.clientY });
        if (painter !== null && event.pointerId === painter.id) {
            paintTo(event);
        } else if (pinching && down.size >= 2) {
            pinch.move(...fingers());
        }
    });
    for (const type of ["pointerup", "pointercancel", "lostpointercapture"]) {
        grid.addEventListener(type, (event) => {
            if (!down.delete(event.pointerId)) {
                return;
            }
            if (painter !== null && event.pointerId === painter.id) {
                painter = null;
                stroke.end();
            }
            if (pinching && down.size === 1) {
                pinch.end();
            }
            if (down.size === 0) {
                pinching = false;
            }
        });
    }
    grid.addEventListener("contextmenu", (event) => event.preventDefault());
}
