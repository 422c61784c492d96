// The maze editor: a grid of the maze's cells to paint with a mouse, a finger or the keys,
// checked by the game after every change, kept in the browser's storage, saved as a file
// and played at once. While it is open the game is held still and the keys are the editor's.
// This class holds the editor's state and writes its note and the page's Edit button; the
// tool bar, the grid, its view and the findings have classes of their own.
import { MazeDraft } from "./maze-draft.js";
import { game, blankMaze, checkMaze, currentMaze, holdGame, mazePicture, mazeRules } from "./game.js";
import { EditorGrid } from "./editor-grid.js";
import { EditorTools } from "./editor-tools.js";
import { GridView, TOUCH_CELL_PX } from "./grid-view.js";
import { followPointers } from "./editor-input.js";
import { FindingList } from "./editor-report.js";
import { SAVED_NAME, keepMaze, keptMaze, saveMaze } from "./editor-storage.js";

const ARROWS = { ArrowUp: [-1, 0], ArrowDown: [1, 0], ArrowLeft: [0, -1], ArrowRight: [0, 1] };
// the cells whose look a cell's change may change: a wall's outline follows its neighbours
const AROUND = [[-1, -1], [-1, 0], [-1, 1], [0, -1], [0, 0], [0, 1], [1, -1], [1, 0], [1, 1]];
const NOT_KEPT = "This browser keeps no maze for this page between visits: Save keeps yours as a file.";

const element = (id) => document.getElementById(id);
// fingers paint here: the grid opens zoomed in and moves under two fingers
const touchScreen = () => document.documentElement.classList.contains("touch");

class MazeEditor {
    // play(text): hands a maze to the game; true when the game plays it
    constructor(play) {
        this.play = play;
        this.panel = element("editor");
        this.area = element("editor-area");
        this.gridCanvas = element("editor-grid");
        this.note = element("editor-note");
        this.editButton = element("edit");
        this.findingList = new FindingList(element("editor-report"), element("editor-summary"), element("editor-side"),
            (row, column) => this.showFinding(row, column));
        this.tools = new EditorTools({
            undo: () => this.step(true),
            redo: () => this.step(false),
            fresh: () => this.replace(blankMaze(), "A new maze: the border, the pen and pellets."),
            fromGame: () => this.replace(currentMaze(), "The maze being played."),
            save: () => this.save(),
            play: () => this.playDraft(),
            close: () => this.close(),
        });
        this.grid = null; // made once the game tells what a maze is
        this.view = null;
        this.draft = null;
        this.cursor = { row: 0, column: 0 };
        this.cursorShown = false; // once the keys move it; a pointer's painting hides it
        this.findings = [];
        this.findingAt = new Map(); // the findings by cell
        this.walls = null; // the wall cells the grid's picture was drawn for
        this.pinchStart = null; // the view when two fingers came down
        this.notKeptSaid = false; // the note said once that the browser keeps no maze

        followPointers(this.gridCanvas, (x, y) => this.grid.cellAt(x, y), {
            begin: () => this.beginStroke(),
            paint: (cells) => this.paintCells(cells),
            end: () => {
                this.draft.endStroke();
                this.showHistory();
            },
            cancel: () => this.changed(this.draft.cancelStroke()),
        }, {
            begin: (spread, middle) => {
                const { x, y } = this.inArea(middle);
                this.pinchStart = { cell: this.view.cell, spread: Math.max(1, spread), under: this.view.cellAt(x, y) };
            },
            move: (spread, middle) => {
                this.view.pinch(this.pinchStart, spread, this.inArea(middle));
                this.grid.show(this.view, false);
            },
            end: () => this.showGrid(),
        });
        for (const type of ["focus", "blur"]) {
            this.gridCanvas.addEventListener(type, () => this.grid && this.draft && this.grid.redraw([this.cursor], this.seen()));
        }
        this.editButton.addEventListener("click", () => (this.isOpen() ? this.close() : this.open()));
        // the game answers the editor once its code has loaded
        game.addEventListener("ready", () => {
            this.editButton.disabled = false;
        });
        new ResizeObserver(() => this.isOpen() && this.layOut()).observe(this.area);
    }

    isOpen() {
        return !this.panel.hidden;
    }

    // a point of the page in the grid's area
    inArea({ x, y }) {
        const box = this.area.getBoundingClientRect();
        return { x: x - box.left, y: y - box.top };
    }

    // what the grid shows of the state
    seen() {
        return {
            draft: this.draft,
            findingAt: this.findingAt,
            cursor: this.cursorShown && document.activeElement === this.gridCanvas ? this.cursor : null,
        };
    }

    // the grid where its view places it, drawn again where its size changed
    showGrid() {
        if (this.grid.show(this.view)) {
            this.grid.drawAll(this.seen());
        }
    }

    // The area's size, now or changed: on a desktop the whole maze fits it; where fingers
    // paint, the zoom stays and the grid's middle with it.
    layOut() {
        this.view.setArea(this.area.clientWidth, this.area.clientHeight);
        if (!touchScreen()) {
            this.view.fit();
        }
        this.showGrid();
    }

    // Every change: kept, checked by the game, shown. cells: the cells painted, or none when
    // the whole maze may have changed.
    changed(cells = null) {
        const text = this.draft.text();
        if (!keepMaze(text) && !this.notKeptSaid) {
            this.notKeptSaid = true;
            this.sayNotKept();
        }
        const checked = checkMaze(text);
        const before = this.findings;
        this.findings = checked.findings;
        this.findingAt = new Map(checked.findings.map((finding) =>
            [this.grid.key(finding), finding]));
        this.findingList.show(checked.findings);
        this.showHistory();
        this.tools.showPlayable(checked.playable);
        // only walls change the game's picture of the maze
        const walls = [...text].map((letter) => (letter === mazeRules().letters.wall ? "1" : "0")).join("");
        if (walls !== this.walls) {
            this.walls = walls;
            this.grid.setPicture(mazePicture(text));
        }
        if (cells === null) {
            this.grid.drawAll(this.seen());
        } else {
            const around = cells.flatMap(({ row, column }) =>
                AROUND.map(([down, right]) => ({ row: row + down, column: column + right })));
            this.grid.redraw([...around, ...before, ...this.findings], this.seen());
        }
    }

    // once a visit: the browser refuses the page its storage, so only a file keeps the maze
    sayNotKept() {
        const save = document.createElement("button");
        save.type = "button";
        save.textContent = "Save";
        save.addEventListener("click", () => this.save());
        this.note.replaceChildren(NOT_KEPT + " ", save);
    }

    showHistory() {
        this.tools.showHistory(this.draft.canUndo(), this.draft.canRedo());
    }

    beginStroke() {
        this.cursorShown = false;
        this.grid.redraw([this.cursor], this.seen());
        this.gridCanvas.focus({ preventScroll: true });
        this.draft.beginStroke();
    }

    // the tool's letter into a cell, and its mirror image when asked; the cells painted
    paint({ row, column }) {
        const mirror = this.tools.mirror;
        const cells = mirror ? [{ row, column }, { row, column: this.draft.mirrored(column) }] : [{ row, column }];
        return this.draft.paint(row, column, mazeRules().letters[this.tools.cell], mirror) ? cells : [];
    }

    paintCells(cells) {
        const painted = cells.flatMap((cell) => this.paint(cell));
        if (painted.length > 0) {
            this.changed(painted);
        }
    }

    moveCursor(row, column) {
        const { rows, columns } = mazeRules();
        const before = this.cursor;
        this.cursorShown = true;
        this.cursor = { row: Math.min(rows - 1, Math.max(0, row)), column: Math.min(columns - 1, Math.max(0, column)) };
        this.gridCanvas.focus({ preventScroll: true });
        this.grid.redraw([before, this.cursor], this.seen());
    }

    // a finding chosen: the cursor on its cell, and where fingers paint, the grid moved to it
    // with the list out of its way
    showFinding(row, column) {
        this.moveCursor(row, column);
        if (touchScreen()) {
            this.view.centreOn({ row: row + 0.5, column: column + 0.5 });
            this.showGrid();
            this.findingList.open(false);
        }
    }

    step(undo) {
        if (undo ? this.draft.undo() : this.draft.redo()) {
            this.changed();
        }
    }

    replace(text, said) {
        this.draft.replace(text);
        this.note.textContent = said;
        this.changed();
    }

    save() {
        saveMaze(this.draft.text());
        this.note.textContent = "Saved as " + SAVED_NAME + ": play it with travolk-maze build, or load it here.";
    }

    // The game takes the maze only when its own check passes; then the editor gives way.
    playDraft() {
        if (this.play(this.draft.text())) {
            this.close();
        } else {
            this.note.textContent = "The game did not take this maze: see the findings.";
        }
    }

    // Where fingers paint, the grid opens with cells a fingertip can hit, the player's start
    // in its middle; on a desktop, the whole maze.
    open() {
        const maze = mazeRules();
        if (!this.draft) {
            this.draft = new MazeDraft(keptMaze() || currentMaze(), maze.rows, maze.columns);
            this.grid = new EditorGrid(this.gridCanvas, maze);
            this.view = new GridView(maze.rows, maze.columns);
        }
        holdGame("editor", true);
        this.panel.hidden = false;
        this.editButton.setAttribute("aria-expanded", "true");
        this.view.setArea(this.area.clientWidth, this.area.clientHeight);
        if (touchScreen()) {
            const start = maze.places.find((place) => place.kind === "player-start");
            this.view.open(TOUCH_CELL_PX, { row: start.row + 0.5, column: start.column + 0.5 });
        } else {
            this.view.fit();
        }
        this.grid.show(this.view);
        this.changed();
        this.gridCanvas.focus({ preventScroll: true });
    }

    close() {
        this.tools.closeMenu();
        this.panel.hidden = true;
        this.editButton.setAttribute("aria-expanded", "false");
        holdGame("editor", false);
        element("canvas").focus();
    }

    // A key pressed while the editor is open; the game never sees it.
    handleKey(event) {
        const control = event.ctrlKey || event.metaKey;
        const onButton = event.target instanceof HTMLButtonElement || event.target instanceof HTMLAnchorElement;
        const tool = control ? undefined : this.tools.toolOfKey(event.key);
        if (event.key === "Escape") {
            if (!this.tools.closeMenu()) {
                this.close();
            }
        } else if (control && (event.key === "z" || event.key === "Z")) {
            this.step(!event.shiftKey);
        } else if (control && event.key === "y") {
            this.step(false);
        } else if (ARROWS[event.key]) {
            const [down, right] = ARROWS[event.key];
            this.moveCursor(this.cursor.row + down, this.cursor.column + right);
        } else if (tool) {
            this.tools.choose(tool);
        } else if ((event.key === " " || event.key === "Enter") && !onButton) {
            this.paintCells([this.cursor]);
        } else {
            return;
        }
        event.preventDefault();
    }

    // a maze file's text as the game read it, in place of the editor's
    load(text, name) {
        this.replace(text, "Loaded " + name + ".");
    }
}

// play(text): hands a maze to the game; true when the game plays it
export function startEditor({ play }) {
    return new MazeEditor(play);
}
