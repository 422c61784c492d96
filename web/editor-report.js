// What the game finds in the editor's maze: a list in which each finding is a button to its
// cell, and above it a line of their count. On a touch screen the two are a sheet: the
// count always shows, and a tap on it opens or closes the list.
export class FindingList {
    // list: the list's element; summary: the count's button; sheet: what holds both;
    // choose(row, column): a finding's cell chosen (from 0)
    constructor(list, summary, sheet, choose) {
        this.list = list;
        this.summary = summary;
        this.sheet = sheet;
        this.choose = choose;
        this.shown = null; // the lines shown
        summary.addEventListener("click", () => this.open(summary.getAttribute("aria-expanded") !== "true"));
    }

    open(opened) {
        this.summary.setAttribute("aria-expanded", String(opened));
        this.sheet.classList.toggle("open", opened);
    }

    // the findings of the game's report; the list is written only when they change
    show(findings) {
        const lines = findings.map((finding) => finding.said).join("\n");
        if (lines === this.shown) {
            return;
        }
        this.shown = lines;
        this.summary.textContent = FindingList.count(findings);
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
            button.addEventListener("click", () => this.choose(finding.row, finding.column));
            item.appendChild(button);
            return item;
        }));
    }

    // "2 errors, 1 warning", "No findings"
    static count(findings) {
        const errors = findings.filter((finding) => finding.error).length;
        const warnings = findings.length - errors;
        const counted = (n, what) => n + " " + what + (n === 1 ? "" : "s");
        return findings.length === 0 ? "No findings" : counted(errors, "error") + ", " + counted(warnings, "warning");
    }
}
