// The game as the page sees it: whether it runs, and its requests. The page's code calls
// the game between its steps, never inside one. Module is emscripten's, set up by page.js.
export const game = {
    ready: false,   // its code has loaded, so it answers requests
    running: false, // a game is being played (or paused)
    failed: false,  // an error stopped it; only a new page plays again
    held: false,    // the page holds it still (its maze editor is open)
};

// A request with a string argument or none; it answers with a string.
export function callGame(name, argument) {
    const withArgument = argument !== undefined;
    return Module.ccall(name, "string", withArgument ? ["string"] : [], withArgument ? [argument] : []);
}

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

// The game stops taking steps while held, and goes on where it stopped.
export function holdGame(held) {
    game.held = held;
    if (game.ready) {
        Module.ccall("travolk_hold_game", null, ["number"], [held ? 1 : 0]);
    }
}

// A maze's text checked by the game: its verdict ("playable" or "unplayable") and its
// findings, each { line, column, error, text, said } (said: the whole line).
export function checkMaze(text) {
    return parseReport(callGame("travolk_check_maze", text));
}

export function parseReport(report) {
    const lines = report.trim().split("\n");
    const verdict = lines.shift();
    const findings = lines.map((said) => {
        const [, line, column, kind, text] = /^(\d+):(\d+): (error|warning): (.*)$/.exec(said);
        return { line: Number(line), column: Number(column), error: kind === "error", text, said };
    });
    return { verdict, findings };
}
