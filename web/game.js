// The game as the page sees it, and the one door to its runtime: emscripten's Module, its
// files and its calls are touched here alone. The rest of the page hears the game's life
// as events and asks for plain data. The page calls the game between its steps, never
// inside one.
//
// Events of `game`: "loading" (detail: the percent loaded, or null while unknown), "loaded",
// "ready" (a game started: it answers requests), "ended" (Escape), "failed" (detail: the
// error; only a new page plays again), "line" (detail: a line the game wrote), "play" (play
// paused or went on, or the page held or let go of the game: see playing), "graphics" (the
// browser took the game's WebGL context away, or gave it back: see graphics).
class Game extends EventTarget {
    ready = false;    // its code has loaded, so it answers requests
    running = false;  // a game is being played (or paused)
    failed = false;   // an error stopped it
    holds = new Set(); // why the page holds it still: "editor" (open), "graphics" (lost)
    paused = false;   // the game's own pause
    graphics = true;  // its WebGL context is there to draw in

    // the page holds it still, for one reason or more
    get held() {
        return this.holds.size > 0;
    }

    // the player plays now: a game runs, neither paused nor held
    get playing() {
        return this.running && !this.paused && !this.held;
    }
}
export const game = new Game();

// where a maze handed over is written for the game to read
const OFFERED_MAZE = "/tmp/offered-maze";
// the site's scripts but the game's own: an error in them is not the game's
const PAGE_SCRIPTS = /\/(?!travolk\.js$)[^/]+\.js$/;

function tell(type, detail) {
    game.dispatchEvent(new CustomEvent(type, { detail }));
}

function fail(error) {
    if (game.failed) {
        return;
    }
    game.failed = true;
    game.running = false;
    console.error(error);
    tell("failed", error);
}

// The game's standard output, byte by byte: a line is told whole, every byte kept.
const outputBytes = [];
const decoder = new TextDecoder();
function writeOutput(byte) {
    if (byte === null || byte === 10) {
        tell("line", decoder.decode(new Uint8Array(outputBytes)));
        outputBytes.length = 0;
    } else {
        outputBytes.push(byte);
    }
}

// emscripten's progress: "Downloading data... (loaded/total)" while the data comes, empty
// when all has come
let loadedPercent = null;
function loadingStatus(text) {
    if (game.failed) {
        return;
    }
    const parts = /\((\d+)\/(\d+)\)/.exec(text);
    loadedPercent = parts && Number(parts[2]) > 0 ? Math.floor(100 * Number(parts[1]) / Number(parts[2])) : null;
    tell(text === "" ? "loaded" : "loading", loadedPercent);
}

// The game's WebGL context, made once on its canvas: where it can be made, the browser has
// WebGL, and the game draws with it (emscripten takes it as made). As the game's video mode
// asks for it: opaque, a depth buffer, no stencil, no multisampling.
function makeContext(canvas) {
    const attributes = { alpha: false, antialias: false, depth: true, stencil: false };
    return canvas.getContext("webgl", attributes) || canvas.getContext("experimental-webgl", attributes);
}

// A phone short of memory, or a GPU reset, takes the WebGL context away; the browser gives
// it back, empty, only to a page that asked for it by preventing the loss's default. While
// it is away the listeners hear first (they pause play) and the game is held; once it is
// back, the game makes again what it kept there, and is let go.
function watchContext(canvas) {
    canvas.addEventListener("webglcontextlost", (event) => {
        event.preventDefault();
        game.graphics = false;
        tell("graphics");
        holdGame("graphics", true);
    });
    canvas.addEventListener("webglcontextrestored", () => {
        if (game.ready) {
            Module.ccall("travolk_renew_graphics", null, [], []);
        }
        game.graphics = true;
        holdGame("graphics", false);
        tell("graphics");
    });
}

// the game's command line, for its first game and every new one
let gameArguments = [];

// Loads the game to play on canvas, where the browser can run it, started with the command
// line args (as the desktop game's: ["--seed", "42"]); else the feature it lacks
// ("WebAssembly" or "WebGL"), and nothing loads.
export function loadGame(canvas, args = []) {
    if (typeof WebAssembly !== "object") {
        return "WebAssembly";
    }
    const context = makeContext(canvas);
    if (!context) {
        return "WebGL";
    }
    watchContext(canvas);
    gameArguments = args;
    window.Module = {
        canvas,
        arguments: args,
        preinitializedWebGLContext: context,
        stdout: writeOutput,
        // a mistake on the game's command line: it says what, and does not start
        printErr: (text) => {
            console.warn(text);
            if (!game.ready && text.startsWith("Error: ")) {
                fail(text);
            }
        },
        setStatus: loadingStatus,
        // more to load than emscripten has told of
        monitorRunDependencies: (left) => {
            if (left > 0 && !game.failed) {
                tell("loading", loadedPercent);
            }
        },
        onAbort: fail,
        travolkReady: () => {
            game.ready = true;
            game.running = true;
            tell("ready");
        },
        travolkEnded: () => {
            game.running = false;
            tell("ended");
        },
        travolkPaused: (paused) => {
            game.paused = paused;
            tell("play");
        },
    };
    // An error that leaves a step of the running game stops its loop.
    window.addEventListener("error", (event) => {
        if (game.running && !PAGE_SCRIPTS.test(event.filename || "")) {
            fail(event.error || event.message);
        }
    });
    const script = document.createElement("script");
    script.src = "travolk.js";
    document.body.appendChild(script);
    return null;
}

// A new game, when none is running and none failed; true when one starts.
export function startGame() {
    if (game.failed || game.running) {
        return false;
    }
    Module.callMain(gameArguments);
    return true;
}

// A request with a string argument or none; it answers with a string.
function callGame(name, argument) {
    const withArgument = argument !== undefined;
    return Module.ccall(name, "string", withArgument ? ["string"] : [], withArgument ? [argument] : []);
}

// a request whose answer is JSON, as plain data
const askGame = (name, argument) => JSON.parse(callGame(name, argument));

// A key held down or let go, as a pad's button is. While the game is held, no key goes down.
export function pressKey(key, down) {
    if (game.running && !(down && game.held)) {
        Module.ccall("travolk_press_key", null, ["string", "number"], [key, down ? 1 : 0]);
    }
}

// a key pressed for one step, as a swipe presses it
export function tapKey(key) {
    if (game.running && !game.held) {
        Module.ccall("travolk_tap_key", null, ["string"], [key]);
    }
}

// The game stops taking steps while the page holds it for any reason (see holds), and goes
// on where it stopped once no reason is left.
export function holdGame(reason, held) {
    const before = game.held;
    if (held) {
        game.holds.add(reason);
    } else {
        game.holds.delete(reason);
    }
    if (game.ready && game.held !== before) {
        Module.ccall("travolk_hold_game", null, ["number"], [game.held ? 1 : 0]);
    }
    tell("play");
}

// The player looked away: play pauses as the game's pause key pauses it (once).
export function pauseGame() {
    if (game.running) {
        Module.ccall("travolk_pause_game", null, [], []);
    }
}

// Every key the page can press let go in the game, paused or not, as when the player
// looks away.
export function releaseKeys() {
    if (game.running) {
        Module.ccall("travolk_release_keys", null, [], []);
    }
}

// the maze being played, as text
export function currentMaze() {
    return callGame("travolk_current_maze");
}

// the maze a new one starts from, as text
export function blankMaze() {
    return callGame("travolk_blank_maze");
}

// A maze file's bytes read as the game reads a maze, as text.
export function readMaze(bytes) {
    FS.writeFile(OFFERED_MAZE, bytes);
    return callGame("travolk_read_maze", OFFERED_MAZE);
}

// A maze file's bytes offered to the game, which plays it when it is playable; its report:
// { playable, taken (the game plays it now), findings }. A playable maze not taken is one
// the game could not store.
export function offerMaze(bytes) {
    FS.writeFile(OFFERED_MAZE, bytes);
    return askGame("travolk_offer_maze", OFFERED_MAZE);
}

// A maze's text checked by the game: { playable, findings }, each finding
// { row, column, error, text, said } (its cell counted from 0, as every cell the game hands
// the page; said: the whole line as the maze tool says it, LINE:COLUMN counted from 1).
export function checkMaze(text) {
    return askGame("travolk_check_maze", text);
}

// What the game says a maze is, the same for every maze: { rows, columns, cell (a cell's
// pixels in a maze picture), letters: { wall, bit, bigBit, empty }, places: [{ row, column,
// kind }] (the fixed places' cells, from 0; kind "player-start", "release-point" or "pen") }.
let rules = null;
export function mazeRules() {
    rules = rules || askGame("travolk_maze_rules");
    return rules;
}

// The maze picture the game draws for a maze's text, its walls as the game shows them:
// { width, height, data (RGBA bytes, rows top to bottom, a copy of the game's) }.
export function mazePicture(text) {
    const { width, height, rgba } = askGame("travolk_maze_picture", text);
    return { width, height, data: new Uint8ClampedArray(Module.HEAPU8.slice(rgba, rgba + width * height * 4).buffer) };
}
