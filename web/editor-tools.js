// The editor's tool bar: the tool that paints (one of four, chosen by a press or its key),
// mirror, undo and redo (offered while there is a step to take back or put again), and the
// editor's other actions. On a touch screen the four tools, undo and redo are a row of
// icons, and the rest wait behind its More button.
import { Disclosure } from "./disclosure.js";

// what each tool paints (a kind of cell, its letter the game's) and its key
const TOOLS = [
    { id: "tool-wall", cell: "wall", key: "1" },
    { id: "tool-pellet", cell: "bit", key: "2" },
    { id: "tool-big", cell: "bigBit", key: "3" },
    { id: "tool-empty", cell: "empty", key: "4" },
];

const element = (id) => document.getElementById(id);

export class EditorTools {
    // actions: what the buttons do: { undo(), redo(), fresh(), fromGame(), save(), play(), close() }
    constructor(actions) {
        this.tool = TOOLS[0];
        this.mirror = false;
        this.menu = new Disclosure(element("editor-more"), element("editor-menu"));
        for (const each of TOOLS) {
            element(each.id).addEventListener("click", () => this.choose(each));
        }
        element("mirror").addEventListener("click", () => {
            this.mirror = !this.mirror;
            element("mirror").setAttribute("aria-pressed", String(this.mirror));
        });
        for (const [id, action] of [["undo", actions.undo], ["redo", actions.redo], ["editor-new", actions.fresh],
                                    ["editor-from-game", actions.fromGame], ["editor-save", actions.save],
                                    ["editor-play", actions.play], ["editor-close", actions.close]]) {
            element(id).addEventListener("click", action);
        }
    }

    // the kind of cell the chosen tool paints
    get cell() {
        return this.tool.cell;
    }

    choose(chosen) {
        this.tool = chosen;
        for (const each of TOOLS) {
            element(each.id).setAttribute("aria-pressed", String(each === chosen));
        }
    }

    // the tool of a key, or undefined
    toolOfKey(key) {
        return TOOLS.find((each) => each.key === key);
    }

    showHistory(canUndo, canRedo) {
        element("undo").disabled = !canUndo;
        element("redo").disabled = !canRedo;
    }

    showPlayable(playable) {
        element("editor-play").disabled = !playable;
    }

    // true when the menu was open
    closeMenu() {
        return this.menu.close();
    }
}
