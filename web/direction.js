// The arrow key of a move on the screen (y downwards): the axis it moved more along, or
// null for a move that goes no further than reach on either axis. A finger's swipe and a
// gamepad's stick steer by this one rule, the desktop's pads by the same.
export function directionOf(dx, dy, reach) {
    if (Math.max(Math.abs(dx), Math.abs(dy)) <= reach) {
        return null;
    }
    if (Math.abs(dx) > Math.abs(dy)) {
        return dx < 0 ? "ArrowLeft" : "ArrowRight";
    }
    return dy < 0 ? "ArrowUp" : "ArrowDown";
}
