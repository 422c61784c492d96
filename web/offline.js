// The site kept for offline play, once the game has loaded (so that the worker's copy does
// not compete with the first download). A new build's worker waits until the player takes
// it (the page reloads then), so a page never mixes two builds.
let offlineAsked = false;
export function keepOffline() {
    if (offlineAsked || !("serviceWorker" in navigator)) {
        return;
    }
    offlineAsked = true;
    const update = document.getElementById("update");
    navigator.serviceWorker.register("service-worker.js").then((registration) => {
        const offer = (worker) => {
            update.hidden = false;
            update.onclick = () => worker.postMessage("take over");
        };
        if (registration.waiting && navigator.serviceWorker.controller) {
            offer(registration.waiting);
        }
        registration.addEventListener("updatefound", () => {
            const worker = registration.installing;
            worker.addEventListener("statechange", () => {
                if (worker.state === "installed" && navigator.serviceWorker.controller) {
                    offer(worker);
                }
            });
        });
    }, (error) => console.warn("No offline play: " + error));
    let reloading = false;
    navigator.serviceWorker.addEventListener("controllerchange", () => {
        if (!update.hidden && !reloading) {
            reloading = true;
            location.reload();
        }
    });
}
