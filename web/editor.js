// The maze editor: a grid of the maze's cells to paint with a mouse, a finger or the keys,
// checked by the game after every change, kept in the browser's storage, saved as a file
// and played at once. While it is open the game is held still and the keys are the editor's.
import { MazeDraft, strokeCells } from "./maze-draft.js";
import { blankMaze, checkMaze, fixedPlaces, holdGame } from "./game.js";

const STORAGE_KEY = "travolk-editor-maze";
const SAVED_NAME = "travolk-maze.txt";
// what each tool paints, and its key
const TOOLS = [
    { id: "tool-wall", letter: "X", key: "1" },
    { id: "tool-pellet", letter: "D", key: "2" },
    { id: "tool-big", letter: "B", key: "3" },
    { id: "tool-empty", letter: "S", key: "4" },
];
// the game's colours: its maze picture's walls, its pellets, its actors
const WALL_FILL = "#101850";
const WALL_OUTLINE = "#5070ff";
const PELLET = "#f4f4f0";
const BIG_PELLET = "#80ff80";
const NOT_READ = "#555";
const PLACE_COLOURS = {
    "the player's start": "#fff2b0",
    "the release point above the pen": "#ff0000",
    "an enemy's place in the pen": "#00ffff",
};
const ERROR = "#ff4040";
const WARNING = "#ffb000";
const CURSOR = "#ffffff";
const ARROWS = { ArrowUp: [-1, 0], ArrowDown: [1, 0], ArrowLeft: [0, -1], ArrowRight: [0, 1] };

const element = (id) => document.getElementById(id);

// rows, columns: the maze's size; play(text) hands a maze to the game and answers whether it
// plays; currentMaze() is the maze being played.
export function startEditor({ rows, columns, play, currentMaze }) {
    const editor = element("editor");
    const grid = element("editor-grid");
    const report = element("editor-report");
    const note = element("editor-note");
    const playButton = element("editor-play");
    const context = grid.getContext("2d");
    let draft = null;
    let placeAt = new Map(); // the fixed places' names by cell
    let findings = [];
    let findingAt = new Map();
    let tool = TOOLS[0];
    let cursor = { row: 0, column: 0 };
    let cursorShown = false; // once the keys move it; a pointer's painting hides it
    let finger = null; // the pointer painting now: its id and last cell

    const mirror = () => element("mirror").getAttribute("aria-pressed") === "true";

    // the cell under a point of the page, held inside the grid
    function cellAt(event) {
        const box = grid.getBoundingClientRect();
        const clamp = (value, limit) => Math.min(limit - 1, Math.max(0, Math.floor(value)));
        return {
            row: clamp((event.clientY - box.top) / box.height * rows, rows),
            column: clamp((event.clientX - box.left) / box.width * columns, columns),
        };
    }

    // Every change: kept, checked by the game, shown. cells: the cells painted, or none when
    // the whole maze may have changed.
    function changed(cells = null) {
        try {
            localStorage.setItem(STORAGE_KEY, draft.text());
        } catch (error) {
            console.warn("The editor's maze is not kept: " + error);
        }
        const checked = checkMaze(draft.text());
        const before = findings;
        showReport(checked.findings);
        showHistory();
        playButton.disabled = checked.verdict !== "playable";
        if (cells === null) {
            drawAll();
        } else {
            // a wall's outline follows its neighbours
            const around = cells.flatMap(({ row, column }) => [[-1, -1], [-1, 0], [-1, 1], [0, -1], [0, 0], [0, 1],
                [1, -1], [1, 0], [1, 1]].map(([down, right]) => ({ row: row + down, column: column + right })));
            const marked = [...before, ...findings].map((finding) => ({ row: finding.line - 1, column: finding.column - 1 }));
            redraw([...around, ...marked]);
        }
    }

    function showHistory() {
        element("undo").disabled = !draft.canUndo();
        element("redo").disabled = !draft.canRedo();
    }

    function showReport(found) {
        const same = found.map((finding) => finding.said).join("\n") === findings.map((finding) => finding.said).join("\n");
        findings = found;
        findingAt = new Map(found.map((finding) => [key(finding.line - 1, finding.column - 1), finding]));
        if (same && report.childElementCount > 0) {
            return;
        }
        // each a button to its cell
        report.replaceChildren(...found.map((finding) => {
            const item = document.createElement("li");
            const button = document.createElement("button");
            button.type = "button";
            button.textContent = finding.said;
            button.className = finding.error ? "error" : "warning";
            button.addEventListener("click", () => moveCursor(finding.line - 1, finding.column - 1));
            item.appendChild(button);
            return item;
        }));
        if (found.length === 0) {
            const item = document.createElement("li");
            item.textContent = "No findings: the maze plays as it is.";
            report.replaceChildren(item);
        }
    }

    const key = (row, column) => row * columns + column;

    // The grid at the size the page gives it, in screen pixels so that it stays sharp; a new
    // size clears it, to be drawn again.
    function fitGrid() {
        const box = grid.parentElement.getBoundingClientRect();
        const cell = Math.max(4, Math.floor(Math.min(box.width / columns, box.height / rows)));
        const ratio = window.devicePixelRatio || 1;
        grid.style.width = cell * columns + "px";
        grid.style.height = cell * rows + "px";
        grid.width = Math.round(cell * columns * ratio);
        grid.height = Math.round(cell * rows * ratio);
    }

    function drawAll() {
        const all = [];
        for (let row = 0; row < rows; row++) {
            for (let column = 0; column < columns; column++) {
                all.push({ row, column });
            }
        }
        redraw(all);
    }

    // Each cell is drawn whole, its marks inside it, so a few cells can be drawn again alone.
    function redraw(cells) {
        if (!draft) {
            return;
        }
        const done = new Set();
        for (const { row, column } of cells) {
            if (row >= 0 && row < rows && column >= 0 && column < columns && !done.has(key(row, column))) {
                done.add(key(row, column));
                drawCell(row, column);
            }
        }
    }

    // the cell's box in canvas pixels, on whole pixels so that cells meet without seams
    function cellBox(row, column) {
        const x = Math.round(column * grid.width / columns);
        const y = Math.round(row * grid.height / rows);
        return { x, y, size: Math.round((column + 1) * grid.width / columns) - x };
    }

    function drawCell(row, column) {
        const { x, y, size } = cellBox(row, column);
        context.fillStyle = "#000";
        context.fillRect(x, y, size, size);
        drawContent(row, column, x, y, size);
        const place = placeAt.get(key(row, column));
        if (place) {
            outline(x, y, size, PLACE_COLOURS[place], 0.1, 0.2);
        }
        const finding = findingAt.get(key(row, column));
        if (finding) {
            outline(x, y, size, finding.error ? ERROR : WARNING, 0.14, 0);
        }
        if (cursorShown && cursor.row === row && cursor.column === column && document.activeElement === grid) {
            outline(x, y, size, CURSOR, 0.08, 0.02);
        }
    }

    // As the game draws its maze: walls joined into shapes, outlined where they face a corridor.
    function drawContent(row, column, x, y, size) {
        const letter = draft.at(row, column);
        if (letter === "X") {
            context.fillStyle = WALL_FILL;
            context.fillRect(x, y, size, size);
            context.fillStyle = WALL_OUTLINE;
            const line = Math.max(1, Math.round(size / 8));
            const open = (down, right) => {
                const r = row + down;
                const c = column + right;
                return r >= 0 && r < rows && c >= 0 && c < columns && draft.at(r, c) !== "X";
            };
            for (const [down, right] of [[-1, 0], [1, 0], [0, -1], [0, 1], [-1, -1], [-1, 1], [1, -1], [1, 1]]) {
                if (open(down, right)) {
                    const left = right > 0 ? x + size - line : x;
                    const top = down > 0 ? y + size - line : y;
                    context.fillRect(left, top, right === 0 ? size : line, down === 0 ? size : line);
                }
            }
        } else if (letter === "D" || letter === "B") {
            context.fillStyle = letter === "B" ? BIG_PELLET : PELLET;
            context.beginPath();
            context.arc(x + size / 2, y + size / 2, size * (letter === "B" ? 0.32 : 0.18), 0, 2 * Math.PI);
            context.fill();
        } else if (letter !== "S") {
            context.fillStyle = NOT_READ;
            context.fillRect(x + size * 0.3, y + size * 0.3, size * 0.4, size * 0.4);
        }
    }

    // a square mark inside a cell: its line's width and its inset, as parts of the cell
    function outline(x, y, size, colour, width, inset) {
        context.strokeStyle = colour;
        context.lineWidth = width * size;
        const edge = (inset + width / 2) * size;
        context.strokeRect(x + edge, y + edge, size - 2 * edge, size - 2 * edge);
    }

    // Paints the cells on the way from the last cell to this one, so a quick drag leaves no gap.
    function paintTo(cell) {
        const painted = [];
        for (const { row, column } of strokeCells(finger.last || cell, cell)) {
            painted.push(...paint(row, column));
        }
        finger.last = cell;
        if (painted.length > 0) {
            changed(painted);
        }
    }

    // the tool's letter into a cell, and its mirror image when asked; the cells painted
    function paint(row, column) {
        const cells = mirror() ? [{ row, column }, { row, column: draft.mirrored(column) }] : [{ row, column }];
        return draft.paint(row, column, tool.letter, mirror()) ? cells : [];
    }

    grid.addEventListener("pointerdown", (event) => {
        if (finger !== null || (event.pointerType === "mouse" && event.button !== 0)) {
            return;
        }
        event.preventDefault();
        cursorShown = false;
        redraw([cursor]);
        grid.focus({ preventScroll: true });
        grid.setPointerCapture(event.pointerId);
        finger = { id: event.pointerId, last: null };
        draft.beginStroke();
        paintTo(cellAt(event));
    });
    grid.addEventListener("pointermove", (event) => {
        if (finger !== null && event.pointerId === finger.id) {
            paintTo(cellAt(event));
        }
    });
    for (const type of ["pointerup", "pointercancel", "lostpointercapture"]) {
        grid.addEventListener(type, (event) => {
            if (finger !== null && event.pointerId === finger.id) {
                finger = null;
                draft.endStroke();
                showHistory();
            }
        });
    }
    grid.addEventListener("contextmenu", (event) => event.preventDefault());
    for (const type of ["focus", "blur"]) {
        grid.addEventListener(type, () => redraw([cursor]));
    }

    function chooseTool(chosen) {
        tool = chosen;
        for (const each of TOOLS) {
            element(each.id).setAttribute("aria-pressed", String(each === chosen));
        }
    }

    function moveCursor(row, column) {
        const before = cursor;
        cursorShown = true;
        cursor = { row: Math.min(rows - 1, Math.max(0, row)), column: Math.min(columns - 1, Math.max(0, column)) };
        grid.focus({ preventScroll: true });
        redraw([before, cursor]);
    }

    function step(undo) {
        if (undo ? draft.undo() : draft.redo()) {
            changed();
        }
    }

    function replace(text, said) {
        draft.replace(text);
        note.textContent = said;
        changed();
    }

    function save() {
        const link = document.createElement("a");
        link.href = URL.createObjectURL(new Blob([draft.text()], { type: "text/plain" }));
        link.download = SAVED_NAME;
        link.click();
        setTimeout(() => URL.revokeObjectURL(link.href), 0);
        note.textContent = "Saved as " + SAVED_NAME + ": play it with travolk-maze build, or load it here.";
    }

    // The game takes the maze only when its own check passes; then the editor gives way.
    function playDraft() {
        if (play(draft.text())) {
            close();
        } else {
            note.textContent = "The game did not take this maze: see the findings.";
        }
    }

    // the maze the editor kept in the browser, or null
    function keptMaze() {
        try {
            return localStorage.getItem(STORAGE_KEY);
        } catch (error) {
            return null;
        }
    }

    function open() {
        if (!draft) {
            draft = new MazeDraft(keptMaze() || currentMaze(), rows, columns);
            placeAt = new Map(fixedPlaces().map((place) => [key(place.row, place.column), place.name]));
        }
        holdGame(true);
        editor.hidden = false;
        element("edit").setAttribute("aria-expanded", "true");
        fitGrid();
        changed();
        grid.focus({ preventScroll: true });
    }

    function close() {
        editor.hidden = true;
        element("edit").setAttribute("aria-expanded", "false");
        holdGame(false);
        document.getElementById("canvas").focus();
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
            moveCursor(cursor.row + down, cursor.column + right);
        } else if (chosen && !control) {
            chooseTool(chosen);
        } else if ((event.key === " " || event.key === "Enter") && !onButton) {
            const painted = paint(cursor.row, cursor.column);
            if (painted.length > 0) {
                changed(painted);
            }
        } else {
            return;
        }
        event.preventDefault();
    }

    for (const each of TOOLS) {
        element(each.id).addEventListener("click", () => chooseTool(each));
    }
    element("mirror").addEventListener("click", (event) => {
        event.currentTarget.setAttribute("aria-pressed", String(!mirror()));
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
    element("edit").addEventListener("click", () => (editor.hidden ? open() : close()));
    window.addEventListener("resize", () => {
        if (!editor.hidden) {
            fitGrid();
            drawAll();
        }
    });

    return {
        isOpen: () => !editor.hidden,
        handleKey,
        // a maze file's text as the game read it, in place of the editor's
        load: (text, name) => replace(text, "Loaded " + name + "."),
    };
}
