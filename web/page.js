// The page around the browser game: sizing, the log, mazes from files and links, play
// again and fullscreen; it starts the controls and the maze editor. It reaches the game
// through game.js alone.
import { game, loadGame, startGame, currentMaze, readMaze, offerMaze, mazeRules } from "./game.js";
import { encodeMaze, decodeMaze } from "./maze-link.js";
import { frameScale } from "./layout.js";
import { startControls } from "./controls.js";
import { startEditor } from "./editor.js";
import { keepOffline } from "./offline.js";
import { watchAway } from "./away.js";
import { Disclosure } from "./disclosure.js";

const canvas = document.getElementById("canvas");
// the game's sizes, as the build wrote them into the page (SDL sets the canvas's size later)
const FRAME_WIDTH = canvas.width;
const FRAME_HEIGHT = canvas.height;
const MAX_MAZE_BYTES = 64 * 1024;

const stage = document.getElementById("stage");
const logBox = document.getElementById("log");
const report = document.getElementById("maze-report");
const shareLink = document.getElementById("share-link");
const playAgain = document.getElementById("play-again");
const statusLine = document.getElementById("status");
let linkOffered = false;

function say(text, bad) {
    report.textContent = text;
    report.title = text;
    report.classList.toggle("bad", Boolean(bad));
}

function fitCanvas() {
    const cssScale = frameScale(stage.clientWidth, stage.clientHeight, FRAME_WIDTH, FRAME_HEIGHT,
        window.devicePixelRatio || 1);
    canvas.style.width = FRAME_WIDTH * cssScale + "px";
    canvas.style.height = FRAME_HEIGHT * cssScale + "px";
}

// The log shown follows its last line, scrolled once a frame: reading its height for every
// line would lay the page out again for every line the game writes.
let logScrollPending = false;
function scrollLog() {
    logScrollPending = false;
    logBox.scrollTop = logBox.scrollHeight;
}

function logLine(text) {
    logBox.appendChild(document.createTextNode(text + "\n"));
    if (!logBox.hidden && !logScrollPending) {
        logScrollPending = true;
        requestAnimationFrame(scrollLog);
    }
    console.log(text);
}

function updateShareLink() {
    const maze = currentMaze();
    shareLink.href = location.pathname + location.search + encodeMaze(maze, mazeRules());
}

// Hands a maze file's bytes to the game; says what came of it. True when it plays.
function playMaze(bytes, name) {
    const report = offerMaze(bytes);
    const findings = report.findings.map((finding) => name + ":" + finding.said);
    const summary = report.taken ? name + ": playing it"
        : report.playable ? name + ": the game could not store it; the game goes on unchanged"
        : name + ": not playable, the game goes on unchanged";
    say([summary].concat(findings).join("\n"), !report.taken);
    for (const line of findings) {
        console.log(line);
    }
    if (report.taken) {
        updateShareLink();
        history.replaceState(null, "", shareLink.href);
        newGame();
    }
    return report.taken;
}

function offerFile(file) {
    if (!file) {
        return;
    }
    if (file.size > MAX_MAZE_BYTES) {
        say(file.name + ": " + file.size + " bytes is too large for a maze file (at most " +
            MAX_MAZE_BYTES + "); the game goes on unchanged", true);
        return;
    }
    if (file.size === 0) {
        say(file.name + ": the file is empty; the game goes on unchanged", true);
        return;
    }
    file.arrayBuffer().then((buffer) => takeFile(new Uint8Array(buffer), file.name),
        () => say(file.name + ": the file cannot be read; the game goes on unchanged", true));
}

// A file's maze: played, or while the editor is open, read into it as the game reads it.
function takeFile(bytes, name) {
    if (editor.isOpen()) {
        editor.load(readMaze(bytes), name);
    } else {
        playMaze(bytes, name);
    }
}

// the maze of the page's link, once, before the first game starts
function offerLinkedMaze() {
    if (linkOffered || !location.hash) {
        return;
    }
    linkOffered = true;
    const maze = decodeMaze(location.hash, mazeRules());
    if (maze === null) {
        say("The link's maze is damaged; playing the game's own maze", true);
    } else if (!playMaze(new TextEncoder().encode(maze), "linked maze")) {
        say(report.textContent.replace("the game goes on unchanged", "playing the game's own maze"), true);
    }
}

// a new game, when none is running; after a failure, the page afresh
function newGame() {
    if (game.failed) {
        location.reload();
    } else if (startGame()) {
        canvas.focus();
    }
}

// A line over the game while it loads, or when it cannot run; none when empty.
function showStatus(text) {
    statusLine.textContent = text;
    statusLine.hidden = text === "";
}

function showLoading(percent) {
    showStatus(percent === null ? "Loading the game…" : "Loading the game: " + percent + " %");
}

function toggleFullscreen() {
    if (document.fullscreenElement) {
        document.exitFullscreen();
    } else {
        stage.requestFullscreen().catch(() => say("The browser refused fullscreen", true));
    }
}

game.addEventListener("line", (event) => logLine(event.detail));
game.addEventListener("loading", (event) => showLoading(event.detail));
game.addEventListener("loaded", () => showStatus(""));
game.addEventListener("ready", () => {
    showStatus("");
    keepOffline();
    playAgain.hidden = true;
    offerLinkedMaze();
    updateShareLink();
});
game.addEventListener("ended", () => {
    playAgain.hidden = false;
    playAgain.focus();
});
// a mistake of the page's address (?seed=) is the game's own line
game.addEventListener("failed", (event) => {
    const mistake = typeof event.detail === "string" && event.detail.startsWith("Error: ") ? event.detail + ". " : "";
    showStatus("The game stopped with an error. " + mistake + "Play again starts it afresh.");
    playAgain.hidden = false;
});

document.getElementById("maze-file").addEventListener("change", (event) => {
    offerFile(event.target.files[0]);
    event.target.value = "";
});
document.getElementById("fullscreen").addEventListener("click", toggleFullscreen);
document.getElementById("show-log").addEventListener("click", (event) => {
    logBox.hidden = !logBox.hidden;
    event.target.setAttribute("aria-pressed", String(!logBox.hidden));
    scrollLog();
});
playAgain.addEventListener("click", newGame);
canvas.addEventListener("click", () => canvas.focus());
// a file dropped on the game or the editor
const playArea = document.getElementById("play");
playArea.addEventListener("dragover", (event) => {
    event.preventDefault();
    playArea.classList.add("dropping");
});
playArea.addEventListener("dragleave", () => playArea.classList.remove("dropping"));
playArea.addEventListener("drop", (event) => {
    event.preventDefault();
    playArea.classList.remove("dropping");
    offerFile(event.dataTransfer.files[0]);
});
// Escape closes the bar's menu first. While the editor is open the keys are its own, and
// never reach the game (which listens further down). Otherwise the game's keys must not
// scroll the page; F11 and Alt+Enter switch the game area's fullscreen, as the desktop
// game's window.
const barMenu = new Disclosure(document.getElementById("bar-more"), document.getElementById("bar-menu"));
window.addEventListener("keydown", (event) => {
    if (event.key === "Escape" && barMenu.close()) {
        event.stopPropagation();
        event.preventDefault();
        return;
    }
    if (editor.isOpen()) {
        event.stopPropagation();
        editor.handleKey(event);
        return;
    }
    const fullscreenKey = event.key === "F11" || (event.key === "Enter" && event.altKey);
    if (fullscreenKey && !event.repeat) {
        toggleFullscreen();
    }
    if (fullscreenKey || (game.running && ["ArrowUp", "ArrowDown", "ArrowLeft", "ArrowRight", " "].includes(event.key))) {
        event.preventDefault();
    }
}, true);
window.addEventListener("keypress", (event) => {
    if (editor.isOpen()) {
        event.stopPropagation();
    }
}, true);
// the stage's size follows the window's, and the bar's where its lines wrap
new ResizeObserver(fitCanvas).observe(stage);
// SDL sizes the canvas when the game sets its video mode, and clears its style
new MutationObserver(() => {
    if (!canvas.style.width) {
        fitCanvas();
    }
}).observe(canvas, { attributes: true, attributeFilter: ["style", "width", "height"] });
document.addEventListener("fullscreenchange", fitCanvas);
fitCanvas();

startControls(fitCanvas);
watchAway();
const editor = startEditor({ play: (text) => playMaze(new TextEncoder().encode(text), "your maze") });

// the game, where the browser can run it; ?seed=N seeds it as its --seed does
const seed = new URLSearchParams(location.search).get("seed");
const missing = loadGame(canvas, seed === null ? [] : ["--seed", seed]);
showStatus(missing ? "Travolk needs " + missing + ", which this browser does not have or has switched off."
    : "Loading the game…");
