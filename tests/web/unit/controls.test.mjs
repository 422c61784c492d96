// The pure rules of the page's controls and layout: the direction of a swipe or a stick,
// and the frame's scale in the space it has.
import { test } from "node:test";
import assert from "node:assert/strict";
import { directionOf } from "../../../web/direction.js";
import { frameScale } from "../../../web/layout.js";

test("a move steers along the axis it moved more, once it reaches far enough", () => {
    const cases = [
        [-30, 5, 24, "ArrowLeft"], [30, -5, 24, "ArrowRight"], [5, -30, 24, "ArrowUp"], [-5, 30, 24, "ArrowDown"],
        [24, 0, 24, "ArrowRight"], [23, -23, 24, null], [0, 0, 24, null],
        [30, 30, 24, "ArrowDown"], // a diagonal is vertical
        [-0.9, 0.3, 0.5, "ArrowLeft"], [0.2, 0.1, 0.5, null], [0.1, -0.6, 0.5, "ArrowUp"],
    ];
    for (const [dx, dy, reach, direction] of cases) {
        assert.equal(directionOf(dx, dy, reach), direction, `${dx}, ${dy} with reach ${reach}`);
    }
});

test("the frame takes whole screen pixels where they show, and shrinks below one", () => {
    const [WIDTH, HEIGHT] = [448, 496];
    const cases = [
        { space: [800, 600], ratio: 1, scale: 1 },
        { space: [1000, 1100], ratio: 1, scale: 2 },
        { space: [1000, 1100], ratio: 1.5, scale: 2 }, // 3 screen pixels a frame pixel
        { space: [1000, 1100], ratio: 1.25, scale: 1.6 }, // 2 screen pixels, not 2.78
        { space: [400, 400], ratio: 1, scale: 400 / 496 },
        { space: [390, 600], ratio: 3, scale: 390 / 448 }, // a phone fills its width
    ];
    for (const { space, ratio, scale } of cases) {
        assert.ok(Math.abs(frameScale(...space, WIDTH, HEIGHT, ratio) - scale) < 1e-9,
            `${space} at ${ratio}: ${frameScale(...space, WIDTH, HEIGHT, ratio)}`);
    }
});
