// The maze the editor holds, and its history: each stroke (the cells painted from a press
// to its release) is one step that undo takes back and redo puts again, without limit.
// Cells are the letters of the maze file; judging them is the game's.
export class MazeDraft {
    // text: rows of cells, one a line, as the game reads a maze file
    constructor(text, rows, columns) {
        this.rows = rows;
        this.columns = columns;
        this.cells = MazeDraft.cellsOf(text, rows, columns);
        this.done = [];
        this.undone = [];
        this.stroke = null;
    }

    // rows of exactly `columns` cells; ' ' where the text has none
    static cellsOf(text, rows, columns) {
        const lines = text.split("\n");
        return Array.from({ length: rows }, (_, row) =>
            Array.from({ length: columns }, (_, column) => (lines[row] || "")[column] || " "));
    }

    at(row, column) {
        return this.cells[row][column];
    }

    // as a maze file: each row ends with a line end
    text() {
        return this.cells.map((row) => row.join("") + "\n").join("");
    }

    // the column's mirror image, left to right
    mirrored(column) {
        return this.columns - 1 - column;
    }

    beginStroke() {
        this.endStroke();
        this.stroke = [];
    }

    endStroke() {
        if (this.stroke && this.stroke.length > 0) {
            this.done.push(this.stroke);
            this.undone = [];
        }
        this.stroke = null;
    }

    // The stroke begun taken back, as if never painted, and not kept as a step (a second
    // finger came: the first was the start of a pinch). The cells it had changed.
    cancelStroke() {
        const changes = this.stroke || [];
        for (const change of [...changes].reverse()) {
            this.cells[change.row][change.column] = change.before;
        }
        this.stroke = null;
        return changes.map(({ row, column }) => ({ row, column }));
    }

    // Paints one cell (and its mirror image when mirror is set) into the stroke, or as a
    // step of its own outside one. True when a cell changed.
    paint(row, column, letter, mirror = false) {
        const alone = this.stroke === null;
        if (alone) {
            this.beginStroke();
        }
        let changed = this.set(row, column, letter);
        if (mirror) {
            changed = this.set(row, this.mirrored(column), letter) || changed;
        }
        if (alone) {
            this.endStroke();
        }
        return changed;
    }

    // another maze in place of this one, as one step
    replace(text) {
        this.beginStroke();
        const cells = MazeDraft.cellsOf(text, this.rows, this.columns);
        cells.forEach((row, r) => row.forEach((letter, c) => this.set(r, c, letter)));
        this.endStroke();
    }

    canUndo() {
        return this.done.length > 0;
    }

    canRedo() {
        return this.undone.length > 0;
    }

    undo() {
        return this.move(this.done, this.undone, "before");
    }

    redo() {
        return this.move(this.undone, this.done, "after");
    }

    set(row, column, letter) {
        if (row < 0 || row >= this.rows || column < 0 || column >= this.columns || this.cells[row][column] === letter) {
            return false;
        }
        this.stroke.push({ row, column, before: this.cells[row][column], after: letter });
        this.cells[row][column] = letter;
        return true;
    }

    // a step from one list to the other, its cells set as they were before or after it
    move(from, to, side) {
        this.endStroke();
        const step = from.pop();
        if (!step) {
            return false;
        }
        const changes = side === "before" ? [...step].reverse() : step;
        for (const change of changes) {
            this.cells[change.row][change.column] = change[side];
        }
        to.push(step);
        return true;
    }
}

// The cells a stroke fills from one cell to the next, so that a quick drag leaves no gap:
// those on the straight way, without the first (painted already) and with the last; the
// cell itself where a stroke starts.
export function strokeCells(from, to) {
    const steps = Math.max(Math.abs(to.row - from.row), Math.abs(to.column - from.column), 1);
    const cells = [];
    for (let step = 1; step <= steps; step++) {
        cells.push({
            row: Math.round(from.row + (to.row - from.row) * step / steps),
            column: Math.round(from.column + (to.column - from.column) * step / steps),
        });
    }
    return cells;
}
