// The list of what the game finds in the editor's maze: each finding a button to its cell.
export class FindingList {
    // list: the list's element; choose(row, column): a finding's cell chosen
    constructor(list, choose) {
        this.list = list;
        this.choose = choose;
        this.shown = null; // the lines shown
    }

    // the findings of the game's report; the list is written only when they change
    show(findings) {
        const lines = findings.map((finding) => finding.said).join("\n");
        if (lines === this.shown) {
            return;
        }
        this.shown = lines;
        if (findings.length === 0) {
            const item = document.createElement("li");
            item.textContent = "No findings: the maze plays as it is.";
            this.list.replaceChildren(item);
            return;
        }
        this.list.replaceChildren(...findings.map((finding) => {
            const item = document.createElement("li");
            const button = document.createElement("button");
            button.type = "button";
            button.textContent = finding.said;
            button.className = finding.error ? "error" : "warning";
            button.addEventListener("click", () => this.choose(finding.line - 1, finding.column - 1));
            item.appendChild(button);
            return item;
        }));
    }
}
