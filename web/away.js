// What the page does when the player looks away and back: play pauses when the page is
// hidden or the window loses focus, every key held is let go, and the game waits paused
// until the player goes on (p, the pause button or Start), with a note that says so. While
// the player plays, the screen is kept on where the browser can.
import { game, pauseGame } from "./game.js";
import { releaseControls } from "./controls.js";

const note = document.getElementById("away-note");
let pausedAway = false; // the page paused play, and the player has not gone on since
let screenLock = null;  // the screen's wake lock held
let asking = false;     // a lock asked for and not yet given

function lookedAway() {
    releaseControls();
    if (game.playing) {
        pausedAway = true;
        pauseGame();
    }
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
    note.hidden = !pausedAway;
}

export function watchAway() {
    document.addEventListener("visibilitychange", () => {
        if (document.visibilityState === "hidden") {
            lookedAway();
        }
        keepScreenOn();
    });
    window.addEventListener("blur", lookedAway);
    for (const type of ["play", "ready", "ended", "failed"]) {
        game.addEventListener(type, () => {
            showNote();
            keepScreenOn();
        });
    }
}
