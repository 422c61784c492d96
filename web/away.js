// What the page does when the player looks away and back: play pauses when the page is
// hidden or the window loses focus, every key held is let go, and the game waits paused
// until the player goes on (p, the pause button or Start), with a note that says so. The
// same when the browser takes the game's graphics away, with a note that says why while
// they are away. While the player plays, the screen is kept on where the browser can.
import { game, pauseGame, releaseKeys } from "./game.js";
import { releaseControls } from "./controls.js";

const note = document.getElementById("away-note");
const NOTES = {
    away: note.textContent,
    graphicsLost: "The browser took the game's graphics away: the game is paused until they are back.",
    graphicsBack: "Paused while the graphics were away: p, the pause button or Start goes on.",
};
let pausedAway = false; // the page paused play, and the player has not gone on since
let pausedFor = NOTES.away; // the note to show while play stays paused by the page
let screenLock = null;  // the screen's wake lock held
let asking = false;     // a lock asked for and not yet given

function lookedAway(why = NOTES.away) {
    releaseControls();
    releaseKeys();
    if (game.playing) {
        pausedAway = true;
        pausedFor = why;
        pauseGame();
    }
}

function graphicsChanged() {
    if (!game.graphics) {
        lookedAway(NOTES.graphicsBack);
    }
    showNote();
}

// The screen is kept on while the player plays and sees the page. The browser lets a lock
// go when the page is hidden; it is asked for again on return.
function keepScreenOn() {
    const wanted = game.playing && document.visibilityState === "visible" && "wakeLock" in navigator;
    if (wanted && screenLock === null && !asking) {
        asking = true;
        navigator.wakeLock.request("screen").then((lock) => {
            asking = false;
            screenLock = lock;
            lock.addEventListener("release", () => {
                if (screenLock === lock) {
                    screenLock = null;
                }
            });
            keepScreenOn();
        }, () => {
            asking = false;
        });
    } else if (!wanted && screenLock !== null) {
        const lock = screenLock;
        screenLock = null;
        lock.release();
    }
}

function showNote() {
    if (game.playing || !game.running) {
        pausedAway = false;
    }
    note.textContent = game.graphics ? pausedFor : NOTES.graphicsLost;
    note.hidden = game.graphics && !pausedAway;
}

export function watchAway() {
    document.addEventListener("visibilitychange", () => {
        if (document.visibilityState === "hidden") {
            lookedAway();
        }
        keepScreenOn();
    });
    window.addEventListener("blur", () => lookedAway());
    game.addEventListener("graphics", graphicsChanged);
    for (const type of ["play", "ready", "ended", "failed"]) {
        game.addEventListener(type, () => {
            showNote();
            keepScreenOn();
        });
    }
}
