// The game's keys for a finger and a gamepad: a swipe on the game presses its direction
// once, the on-screen pad holds a key while a finger is on it, and a gamepad's d-pad, left
// stick and Start hold theirs while held. They press the same keys as the keyboard, under
// the same rules.
import { directionOf } from "./direction.js";
import { pressKey, tapKey } from "./game.js";

// a finger that moves this far (CSS px) has swiped
const SWIPE_PX = 24;
// a stick pushed this far is a direction
const STICK_DEAD_ZONE = 0.5;
// the standard mapping's buttons
const GAMEPAD_BUTTONS = { 12: "ArrowUp", 13: "ArrowDown", 14: "ArrowLeft", 15: "ArrowRight", 9: "p" };

const touchScreen = window.matchMedia("(pointer: coarse)");

// the pad shown on a touch screen; onLayout is told after the change
function showPad(onLayout) {
    document.documentElement.classList.toggle("touch", touchScreen.matches);
    onLayout();
}

// One finger on the game: each stretch of its move presses its direction once, so a turn
// can follow a turn without lifting the finger; the same direction again is no new press.
function followSwipes(area) {
    let finger = null;
    area.addEventListener("pointerdown", (event) => {
        if (event.pointerType !== "mouse" && finger === null) {
            finger = { id: event.pointerId, x: event.clientX, y: event.clientY, last: null };
        }
    });
    area.addEventListener("pointermove", (event) => {
        if (finger === null || event.pointerId !== finger.id) {
            return;
        }
        const direction = directionOf(event.clientX - finger.x, event.clientY - finger.y, SWIPE_PX);
        if (direction !== null) {
            if (direction !== finger.last) {
                tapKey(direction);
            }
            finger = { ...finger, x: event.clientX, y: event.clientY, last: direction };
        }
    });
    for (const type of ["pointerup", "pointercancel"]) {
        area.addEventListener(type, (event) => {
            if (finger !== null && event.pointerId === finger.id) {
                finger = null;
            }
        });
    }
}

// each pad button's letting go
const padLetGoes = [];

// A pad button is its key, down while a finger is on it.
function holdOnTouch(button, key) {
    button.addEventListener("pointerdown", (event) => {
        event.preventDefault();
        button.setPointerCapture(event.pointerId);
        button.classList.add("held");
        pressKey(key, true);
    });
    const letGo = () => {
        if (button.classList.contains("held")) {
            button.classList.remove("held");
            pressKey(key, false);
        }
    };
    for (const type of ["pointerup", "pointercancel", "lostpointercapture"]) {
        button.addEventListener(type, letGo);
    }
    padLetGoes.push(letGo);
    button.addEventListener("contextmenu", (event) => event.preventDefault());
}

// The keys the gamepads hold now: the d-pad, the stronger axis of the left stick, Start.
function gamepadKeys() {
    const keys = new Set();
    for (const pad of navigator.getGamepads ? navigator.getGamepads() : []) {
        if (!pad || pad.mapping !== "standard") {
            continue;
        }
        for (const [index, key] of Object.entries(GAMEPAD_BUTTONS)) {
            if (pad.buttons[index] && pad.buttons[index].pressed) {
                keys.add(key);
            }
        }
        const stick = directionOf(pad.axes[0], pad.axes[1], STICK_DEAD_ZONE);
        if (stick !== null) {
            keys.add(stick);
        }
    }
    return keys;
}

function anyGamepad() {
    return [...(navigator.getGamepads ? navigator.getGamepads() : [])].some((pad) => pad && pad.connected);
}

// Polled once an animation frame while a pad is connected, from the moment the browser
// tells of it; a page without one polls nothing.
let gamepadHeld = new Set();
let polling = false;
function pollGamepads() {
    polling = anyGamepad() || gamepadHeld.size > 0;
    if (!polling) {
        return;
    }
    const held = gamepadKeys();
    for (const key of gamepadHeld) {
        if (!held.has(key)) {
            pressKey(key, false);
        }
    }
    for (const key of held) {
        if (!gamepadHeld.has(key)) {
            pressKey(key, true);
        }
    }
    gamepadHeld = held;
    requestAnimationFrame(pollGamepads);
}

function startPolling() {
    if (!polling) {
        pollGamepads();
    }
}

// Every key the controls hold let go, each with its key-up, as when the player looks away;
// a pad or gamepad still held presses its key again.
export function releaseControls() {
    for (const letGo of padLetGoes) {
        letGo();
    }
    for (const key of gamepadHeld) {
        pressKey(key, false);
    }
    gamepadHeld = new Set();
}

// onLayout: what the page does when the pad comes or goes
export function startControls(onLayout) {
    followSwipes(document.getElementById("stage"));
    for (const [id, key] of [["pad-up", "ArrowUp"], ["pad-down", "ArrowDown"], ["pad-left", "ArrowLeft"],
                             ["pad-right", "ArrowRight"], ["pause", "p"]]) {
        holdOnTouch(document.getElementById(id), key);
    }
    touchScreen.addEventListener("change", () => showPad(onLayout));
    showPad(onLayout);
    window.addEventListener("gamepadconnected", startPolling);
    startPolling();
}
