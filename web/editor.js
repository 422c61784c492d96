// The maze editor: a grid of the maze's cells to paint with a mouse, a finger or the keys,
// checked by the game after every change, kept in the browser's storage, saved as a file
// and played at once. While it is open the game is held still and the keys are the editor's.
// This module writes the editor's tool bar, its note and the page's Edit button; the grid
// and the findings are drawn by their own modules.
import { MazeDraft } from "./maze-draft.js";
import { game, blankMaze, checkMaze, currentMaze, holdGame, mazePicture, mazeRules } from "./game.js";
import { EditorGrid } from "./editor-grid.js";
import { followStrokes } from "./editor-input.js";
import { FindingList } from "./editor-report.js";
import { SAVED_NAME, keepMaze, keptMaze, saveMaze } from "./editor-storage.js";

// what each tool paints (a kind of cell, its letter the game's) and its key
const TOOLS = [
    { id: "tool-wall", cell: "wall", key: "1" },
    { id: "tool-pellet", cell: "bit", key: "2" },
    { id: "tool-big", cell: "bigBit", key: "3" },
    { id: "tool-empty", cell: "empty", key: "4" },
];
const ARROWS = { ArrowUp: [-1, 0], ArrowDown: [1, 0], ArrowLeft: [0, -1], ArrowRight: [0, 1] };
// the cells whose look a cell's change may change: a wall's outline follows its neighbours
const AROUND = [[-1, -1], [-1, 0], [-1, 1], [0, -1], [0, 0], [0, 1], [1, -1], [1, 0], [1, 1]];

const element = (id) => document.getElementById(id);

// play(text): hands a maze to the game; true when the game plays it
export function startEditor({ play }) {
    const editor = element("editor");
    const gridCanvas = element("editor-grid");
    const note = element("editor-note");
    const playButton = element("editor-play");
    const editButton = element("edit");
    const findingList = new FindingList(element("editor-report"), moveCursor);
    let grid = null; // made once the game tells what a maze is
    const state = {
        draft: null,
        tool: TOOLS[0],
        mirror: false,
        cursor: { row: 0, column: 0 },
        cursorShown: false, // once the keys move it; a pointer's painting hides it
        findings: [],
        walls: null, // the wall cells the grid's picture was drawn for
        findingAt: new Map(), // the findings by cell
    };

    // what the grid shows of the state
    const view = () => ({
        draft: state.draft,
        findingAt: state.findingAt,
        cursor: state.cursorShown && document.activeElement === gridCanvas ? state.cursor : null,
    });

    // Every change: kept, checked by the game, shown. cells: the cells painted, or none when
    // the whole maze may have changed.
    function changed(cells = null) {
        const text = state.draft.text();
        keepMaze(text);
        const checked = checkMaze(text);
        const before = state.findings;
        state.findings = checked.findings;
        state.findingAt = new Map(checked.findings.map((finding) =>
            [grid.key({ row: finding.line - 1, column: finding.column - 1 }), finding]));
        findingList.show(checked.findings);
        showHistory();
        playButton.disabled = !checked.playable;
        // only walls change the game's picture of the maze
        const walls = [...text].map((letter) => (letter === mazeRules().letters.wall ? "1" : "0")).join("");
        if (walls !== state.walls) {
            state.walls = walls;
            grid.setPicture(mazePicture(text));
        }
        if (cells === null) {
            grid.drawAll(view());
        } else {
            const around = cells.flatMap(({ row, column }) =>
                AROUND.map(([down, right]) => ({ row: row + down, column: column + right })));
            const marked = [...before, ...state.findings].map((finding) => ({ row: finding.line - 1, column: finding.column - 1 }));
            grid.redraw([...around, ...marked], view());
        }
    }

    function showHistory() {
        element("undo").disabled = !state.draft.canUndo();
        element("redo").disabled = !state.draft.canRedo();
    }

    // the tool's letter into a cell, and its mirror image when asked; the cells painted
    function paint({ row, column }) {
        const cells = state.mirror ? [{ row, column }, { row, column: state.draft.mirrored(column) }] : [{ row, column }];
        return state.draft.paint(row, column, mazeRules().letters[state.tool.cell], state.mirror) ? cells : [];
    }

    function paintCells(cells) {
        const painted = cells.flatMap(paint);
        if (painted.length > 0) {
            changed(painted);
        }
    }

    followStrokes(gridCanvas, (x, y) => grid.cellAt(x, y), {
        begin() {
            state.cursorShown = false;
            grid.redraw([state.cursor], view());
            gridCanvas.focus({ preventScroll: true });
            state.draft.beginStroke();
        },
        paint: paintCells,
        end() {
            state.draft.endStroke();
            showHistory();
        },
    });
    for (const type of ["focus", "blur"]) {
        gridCanvas.addEventListener(type, () => grid && state.draft && grid.redraw([state.cursor], view()));
    }

    function chooseTool(chosen) {
        state.tool = chosen;
        for (const each of TOOLS) {
            element(each.id).setAttribute("aria-pressed", String(each === chosen));
        }
    }

    function moveCursor(row, column) {
        const { rows, columns } = mazeRules();
        const before = state.cursor;
        state.cursorShown = true;
        state.cursor = { row: Math.min(rows - 1, Math.max(0, row)), column: Math.min(columns - 1, Math.max(0, column)) };
        gridCanvas.focus({ preventScroll: true });
        grid.redraw([before, state.cursor], view());
    }

    function step(undo) {
        if (undo ? state.draft.undo() : state.draft.redo()) {
            changed();
        }
    }

    function replace(text, said) {
        state.draft.replace(text);
        note.textContent = said;
        changed();
    }

    function save() {
        saveMaze(state.draft.text());
        note.textContent = "Saved as " + SAVED_NAME + ": play it with travolk-maze build, or load it here.";
    }

    // The game takes the maze only when its own check passes; then the editor gives way.
    function playDraft() {
        if (play(state.draft.text())) {
            close();
        } else {
            note.textContent = "The game did not take this maze: see the findings.";
        }
    }

    function open() {
        const maze = mazeRules();
        if (!state.draft) {
            state.draft = new MazeDraft(keptMaze() || currentMaze(), maze.rows, maze.columns);
            grid = new EditorGrid(gridCanvas, maze);
        }
        holdGame("editor", true);
        editor.hidden = false;
        editButton.setAttribute("aria-expanded", "true");
        grid.fit();
        changed();
        gridCanvas.focus({ preventScroll: true });
    }

    function close() {
        editor.hidden = true;
        editButton.setAttribute("aria-expanded", "false");
        holdGame("editor", false);
        element("canvas").focus();
    }

    // A key pressed while the editor is open; the game never sees it.
    function handleKey(event) {
        const control = event.ctrlKey || event.metaKey;
        const onButton = event.target instanceof HTMLButtonElement || event.target instanceof HTMLAnchorElement;
        const chosen = TOOLS.find((each) => each.key === event.key);
        if (event.key === "Escape") {
            close();
        } else if (control && (event.key === "z" || event.key === "Z")) {
            step(!event.shiftKey);
        } else if (control && event.key === "y") {
            step(false);
        } else if (ARROWS[event.key]) {
            const [down, right] = ARROWS[event.key];
            moveCursor(state.cursor.row + down, state.cursor.column + right);
        } else if (chosen && !control) {
            chooseTool(chosen);
        } else if ((event.key === " " || event.key === "Enter") && !onButton) {
            paintCells([state.cursor]);
        } else {
            return;
        }
        event.preventDefault();
    }

    for (const each of TOOLS) {
        element(each.id).addEventListener("click", () => chooseTool(each));
    }
    element("mirror").addEventListener("click", (event) => {
        state.mirror = !state.mirror;
        event.currentTarget.setAttribute("aria-pressed", String(state.mirror));
    });
    element("undo").addEventListener("click", () => step(true));
    element("redo").addEventListener("click", () => step(false));
    element("editor-new").addEventListener("click", () =>
        replace(blankMaze(), "A new maze: the border, the pen and pellets."));
    element("editor-from-game").addEventListener("click", () =>
        replace(currentMaze(), "The maze being played."));
    element("editor-save").addEventListener("click", save);
    playButton.addEventListener("click", playDraft);
    element("editor-close").addEventListener("click", close);
    editButton.addEventListener("click", () => (editor.hidden ? open() : close()));
    // the game answers the editor once its code has loaded
    game.addEventListener("ready", () => {
        editButton.disabled = false;
    });
    window.addEventListener("resize", () => {
        if (!editor.hidden) {
            grid.fit();
            grid.drawAll(view());
        }
    });

    return {
        isOpen: () => !editor.hidden,
        handleKey,
        // a maze file's text as the game read it, in place of the editor's
        load: (text, name) => replace(text, "Loaded " + name + "."),
    };
}
