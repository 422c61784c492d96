// Where the editor's maze is kept: the browser's storage between visits, and a file the
// player saves.
const STORAGE_KEY = "travolk-editor-maze";
export const SAVED_NAME = "travolk-maze.txt";

// True when kept; false when the browser refuses the page its storage (site data blocked,
// some private modes) or it is full.
export function keepMaze(text) {
    try {
        localStorage.setItem(STORAGE_KEY, text);
        return true;
    } catch (error) {
        return false;
    }
}

// the maze the editor kept, or null
export function keptMaze() {
    try {
        return localStorage.getItem(STORAGE_KEY);
    } catch (error) {
        return null;
    }
}

// the maze downloaded as SAVED_NAME
export function saveMaze(text) {
    const link = document.createElement("a");
    link.href = URL.createObjectURL(new Blob([text], { type: "text/plain" }));
    link.download = SAVED_NAME;
    link.click();
    setTimeout(() => URL.revokeObjectURL(link.href), 0);
}
