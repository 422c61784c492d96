// The frame's scale in CSS pixels in a space of width x height CSS pixels, on a screen of
// ratio screen pixels a CSS pixel: the largest whole number of screen pixels a frame pixel
// that fits, so every frame pixel is a square of screen pixels; below one the frame shrinks
// to fit. Where the screen has two or more pixels a CSS pixel (a phone's), uneven squares
// cannot be seen, and the frame fills the space.
export function frameScale(width, height, frameWidth, frameHeight, ratio) {
    const fit = Math.min(width / frameWidth, height / frameHeight);
    const screenPixels = Math.floor(fit * ratio);
    return ratio >= 2 || screenPixels < 1 ? fit : screenPixels / ratio;
}
