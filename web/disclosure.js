// A button that shows and hides a panel of more controls (a menu on a touch screen): its
// aria-expanded says which. A press outside closes it, and so does a choice made in it;
// Escape closes it through close(), since the page hears the keys first.
export class Disclosure {
    constructor(button, panel) {
        this.button = button;
        this.panel = panel;
        button.setAttribute("aria-controls", panel.id);
        button.addEventListener("click", () => (this.isOpen() ? this.close() : this.open()));
        panel.addEventListener("click", (event) => {
            if (event.target.closest("button, a, label")) {
                this.close();
            }
        });
        document.addEventListener("pointerdown", (event) => {
            if (this.isOpen() && !panel.contains(event.target) && !button.contains(event.target)) {
                this.close();
            }
        }, true);
        this.close();
    }

    isOpen() {
        return this.button.getAttribute("aria-expanded") === "true";
    }

    open() {
        this.button.setAttribute("aria-expanded", "true");
        this.panel.classList.add("open");
    }

    // true when it was open
    close() {
        const was = this.isOpen();
        this.button.setAttribute("aria-expanded", "false");
        this.panel.classList.remove("open");
        return was;
    }
}
