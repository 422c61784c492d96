// The pure rules of the page's controls and layout: the direction of a swipe or a stick,
// and the frame's scale in the space it has.
import { test } from "node:test";
import assert from "node:assert/strict";
import { readFileSync } from "node:fs";
import { join } from "node:path";
import { directionOf } from "../../../web/direction.js";
import { frameScale } from "../../../web/layout.js";

// the stick's rule in the table the desktop's pad test reads too, and a swipe by it
test("a move steers along the axis it moved more, once it goes past its reach", () => {
    const ARROWS = { left: "ArrowLeft", right: "ArrowRight", up: "ArrowUp", down: "ArrowDown", none: null };
    const table = readFileSync(join(import.meta.dirname, "..", "..", "fixtures", "stick-directions.txt"), "utf8");
    const cases = table.split("\n").filter((line) => line.trim() !== "" && !line.startsWith("#"))
        .map((line) => line.trim().split(/\s+/));
    assert.ok(cases.length >= 10);
    for (const [x, y, reach, steers] of cases) {
        assert.equal(directionOf(Number(x), Number(y), Number(reach)), ARROWS[steers], `${x}, ${y} with reach ${reach}`);
    }
    for (const [dx, dy, direction] of [[-30, 5, "ArrowLeft"], [25, 0, "ArrowRight"], [24, 0, null], [23, -23, null]]) {
        assert.equal(directionOf(dx, dy, 24), direction, `a swipe of ${dx}, ${dy}`);
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
