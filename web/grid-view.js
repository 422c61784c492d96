// Where the editor's grid lies in its area, and how large its cells are, in CSS pixels: the
// whole maze fits at the smallest zoom, cells of MAX_CELL_PX at the largest. A grid larger
// than its area lies so that it covers the area where it can; a smaller one in its middle.
// Plain numbers: the grid's element is placed from them.
export const MAX_CELL_PX = 48;
// where fingers paint, a cell is never smaller than this when the editor opens
export const TOUCH_CELL_PX = 24;
// the smallest cell on the largest screens
const MIN_CELL_PX = 4;

export class GridView {
    constructor(rows, columns) {
        this.rows = rows;
        this.columns = columns;
        this.area = { width: 0, height: 0 };
        this.cell = MIN_CELL_PX; // a cell's side
        this.x = 0; // the grid's top-left corner in its area
        this.y = 0;
    }

    get width() {
        return this.cell * this.columns;
    }

    get height() {
        return this.cell * this.rows;
    }

    // the whole maze in the area, whole pixels a cell
    get fitCell() {
        return Math.max(MIN_CELL_PX, Math.floor(Math.min(this.area.width / this.columns, this.area.height / this.rows)));
    }

    get maxCell() {
        return Math.max(this.fitCell, MAX_CELL_PX);
    }

    // the area's new size; the grid's middle stays where it was in it
    setArea(width, height) {
        const middle = this.cellAt(this.area.width / 2, this.area.height / 2);
        this.area = { width, height };
        this.cell = Math.min(this.maxCell, Math.max(this.fitCell, this.cell));
        this.centreOn(middle);
    }

    // the whole maze, in the middle of the area
    fit() {
        this.cell = this.fitCell;
        this.place(0, 0);
    }

    // cells of at least `cell`, the given cell (fractions of a cell allowed) in the middle
    // of the area
    open(cell, centre) {
        this.cell = Math.min(this.maxCell, Math.max(this.fitCell, cell));
        this.centreOn(centre);
    }

    // the place of the maze (in cells, fractions allowed) under a point of the area
    cellAt(x, y) {
        return { row: (y - this.y) / this.cell, column: (x - this.x) / this.cell };
    }

    centreOn({ row, column }) {
        this.place(this.area.width / 2 - column * this.cell, this.area.height / 2 - row * this.cell);
    }

    // Two fingers: cells scaled by how far apart they are now against when they came down
    // (then: { cell, spread, under: the maze's place under their middle }), that place under
    // their middle now.
    pinch(then, spread, middle) {
        this.cell = Math.min(this.maxCell, Math.max(this.fitCell, then.cell * spread / then.spread));
        this.place(middle.x - then.under.column * this.cell, middle.y - then.under.row * this.cell);
    }

    // The grid at (x, y), held to cover the area where it is larger, and in the middle of
    // it where it is smaller; on whole pixels, as a sharp grid must lie.
    place(x, y) {
        const hold = (at, size, room) => (size <= room ? (room - size) / 2 : Math.min(0, Math.max(room - size, at)));
        this.x = Math.round(hold(x, this.width, this.area.width));
        this.y = Math.round(hold(y, this.height, this.area.height));
    }
}
