// The editor's grid: the maze as the game draws it, its walls taken from the game's own
// maze picture, with the editor's marks over it (pellets, the fixed places, the findings,
// the keys' cursor). Its element is the whole maze, placed and sized in its area as its
// view says; it is drawn in screen pixels, so that the marks stay sharp at any zoom, and
// a few cells can be drawn again alone.
const PELLET = "#f4f4f0";
const BIG_PELLET = "#80ff80";
const NOT_READ = "#555";
// each fixed place marked in the colour of who stands there: the player, the first enemy,
// the enemies waiting in the pen
const PLACE_COLOURS = { "player-start": "#fff2b0", "release-point": "#ff0000", pen: "#00ffff" };
const ERROR = "#ff4040";
const WARNING = "#ffb000";
const CURSOR = "#ffffff";
// the most pixels a canvas may have on some phones' browsers: a grid zoomed further has
// fewer screen pixels a CSS pixel
const MAX_CANVAS_PIXELS = 4096 * 4096;

export class EditorGrid {
    // canvas: the grid's; maze: what the game says a maze is (its rules)
    constructor(canvas, maze) {
        this.canvas = canvas;
        this.context = canvas.getContext("2d");
        this.maze = maze;
        this.picture = document.createElement("canvas");
        this.placeAt = new Map(maze.places.map((place) => [this.key(place), place.kind]));
        // the page's style sizes the grid's area by the maze's shape
        canvas.parentElement.style.setProperty("--maze-rows", maze.rows);
        canvas.parentElement.style.setProperty("--maze-columns", maze.columns);
    }

    key({ row, column }) {
        return row * this.maze.columns + column;
    }

    // The grid where the view (a GridView) places it, at its size. Its pixels follow its
    // size, a screen pixel each, and a new size clears it, to be drawn again: true then.
    // Not sharp (during a pinch): its place and size change alone, the browser scaling the
    // pixels it has, until it is shown sharp again.
    show(view, sharp = true) {
        const style = this.canvas.style;
        style.width = view.width + "px";
        style.height = view.height + "px";
        style.transform = `translate(${view.x}px, ${view.y}px)`;
        if (!sharp) {
            return false;
        }
        const ratio = Math.min(window.devicePixelRatio || 1, Math.sqrt(MAX_CANVAS_PIXELS / (view.width * view.height)));
        const width = Math.round(view.width * ratio);
        const height = Math.round(view.height * ratio);
        if (width === this.canvas.width && height === this.canvas.height) {
            return false;
        }
        this.canvas.width = width;
        this.canvas.height = height;
        return true;
    }

    // the cell under a point of the page, held inside the grid
    cellAt(clientX, clientY) {
        const { rows, columns } = this.maze;
        const box = this.canvas.getBoundingClientRect();
        const clamp = (value, limit) => Math.min(limit - 1, Math.max(0, Math.floor(value)));
        return {
            row: clamp((clientY - box.top) / box.height * rows, rows),
            column: clamp((clientX - box.left) / box.width * columns, columns),
        };
    }

    // the game's picture of the maze now: { width, height, data }
    setPicture({ width, height, data }) {
        this.picture.width = width;
        this.picture.height = height;
        this.picture.getContext("2d").putImageData(new ImageData(data, width, height), 0, 0);
    }

    // Draws these cells again, each whole, its marks inside it. view: { draft, findingAt (the
    // findings by key), cursor (a cell, or null when hidden) }.
    redraw(cells, view) {
        const { rows, columns } = this.maze;
        const done = new Set();
        for (const cell of cells) {
            if (cell.row >= 0 && cell.row < rows && cell.column >= 0 && cell.column < columns && !done.has(this.key(cell))) {
                done.add(this.key(cell));
                this.drawCell(cell, view);
            }
        }
    }

    drawAll(view) {
        const cells = [];
        for (let row = 0; row < this.maze.rows; row++) {
            for (let column = 0; column < this.maze.columns; column++) {
                cells.push({ row, column });
            }
        }
        this.redraw(cells, view);
    }

    // the cell's box in canvas pixels, on whole pixels so that cells meet without seams
    cellBox({ row, column }) {
        const { rows, columns } = this.maze;
        const x = Math.round(column * this.canvas.width / columns);
        const y = Math.round(row * this.canvas.height / rows);
        return { x, y, size: Math.round((column + 1) * this.canvas.width / columns) - x };
    }

    drawCell(cell, { draft, findingAt, cursor }) {
        const box = this.cellBox(cell);
        const side = this.maze.cell;
        // whole pixels where the picture is enlarged, as the game enlarges its frame; blended
        // where it shrinks, so that no outline is dropped
        this.context.imageSmoothingEnabled = box.size < side;
        this.context.drawImage(this.picture, cell.column * side, cell.row * side, side, side, box.x, box.y, box.size, box.size);
        this.drawContent(draft.at(cell.row, cell.column), box);
        const place = this.placeAt.get(this.key(cell));
        if (place) {
            this.outline(box, PLACE_COLOURS[place], 0.1, 0.2);
        }
        const finding = findingAt.get(this.key(cell));
        if (finding) {
            this.outline(box, finding.error ? ERROR : WARNING, 0.14, 0);
        }
        if (cursor && cursor.row === cell.row && cursor.column === cell.column) {
            this.outline(box, CURSOR, 0.08, 0.02);
        }
    }

    // what the picture does not show: the pellets, and a cell that the game does not read
    drawContent(letter, { x, y, size }) {
        const { letters } = this.maze;
        const context = this.context;
        if (letter === letters.bit || letter === letters.bigBit) {
            const big = letter === letters.bigBit;
            context.fillStyle = big ? BIG_PELLET : PELLET;
            context.beginPath();
            context.arc(x + size / 2, y + size / 2, size * (big ? 0.32 : 0.18), 0, 2 * Math.PI);
            context.fill();
        } else if (letter !== letters.wall && letter !== letters.empty) {
            context.fillStyle = NOT_READ;
            context.fillRect(x + size * 0.3, y + size * 0.3, size * 0.4, size * 0.4);
        }
    }

    // a square mark inside a cell: its line's width and its inset, as parts of the cell
    outline({ x, y, size }, colour, width, inset) {
        this.context.strokeStyle = colour;
        this.context.lineWidth = width * size;
        const edge = (inset + width / 2) * size;
        this.context.strokeRect(x + edge, y + edge, size - 2 * edge, size - 2 * edge);
    }
}
