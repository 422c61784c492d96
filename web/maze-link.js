// A maze in a link: its cells, two bits each, in base64url after the prefix. The link is
// the maze's rows of cells and nothing else; the game judges the maze. `maze` is what the
// game says a maze is: its rows, columns and letters.
export const LINK_PREFIX = "#maze=1.";

// the link's code of each kind of cell, 0 to 3: the letter at that place
const cellLetters = ({ letters }) => [letters.empty, letters.bit, letters.bigBit, letters.wall];
const packedLength = ({ rows, columns }) => Math.ceil(rows * columns / 4);

// maze text (rows of cells, one a line) -> link fragment
export function encodeMaze(text, maze) {
    const bytes = new Uint8Array(packedLength(maze));
    const codes = cellLetters(maze);
    let cell = 0;
    for (const row of text.split("\n").slice(0, maze.rows)) {
        for (const letter of row) {
            bytes[cell >> 2] |= Math.max(0, codes.indexOf(letter)) << (2 * (cell & 3));
            cell++;
        }
    }
    const base64 = btoa(String.fromCharCode(...bytes));
    return LINK_PREFIX + base64.replace(/\+/g, "-").replace(/\//g, "_").replace(/=+$/, "");
}

// The maze file of a fragment, or null when it is damaged. Any page can hand a player a
// link: its length and its alphabet are checked before anything of it is decoded.
export function decodeMaze(fragment, maze) {
    const { rows, columns } = maze;
    const length = LINK_PREFIX.length + Math.ceil(packedLength(maze) * 4 / 3);
    if (typeof fragment !== "string" || fragment.length !== length || !fragment.startsWith(LINK_PREFIX)) {
        return null;
    }
    const data = fragment.slice(LINK_PREFIX.length);
    if (!/^[A-Za-z0-9_-]*$/.test(data)) {
        return null;
    }
    let binary;
    try {
        binary = atob(data.replace(/-/g, "+").replace(/_/g, "/"));
    } catch (error) {
        return null;
    }
    const codes = cellLetters(maze);
    let text = "";
    for (let row = 0; row < rows; row++) {
        for (let column = 0; column < columns; column++) {
            const cell = row * columns + column;
            text += codes[(binary.charCodeAt(cell >> 2) >> (2 * (cell & 3))) & 3];
        }
        text += "\n";
    }
    return text;
}
