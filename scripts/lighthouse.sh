#!/usr/bin/env bash
# scripts/lighthouse.sh [PORT]: Lighthouse's audits of the browser game's site, as a phone
# sees it (Lighthouse's mobile profile: a slower CPU and network, emulated in Debian's
# Chromium) and as a desktop does. Builds and serves the site with scripts/web.sh --serve
# on 127.0.0.1:PORT (8093 by default), installs the pinned Lighthouse from the npm registry
# into tests/web/lighthouse/, and prints the scores, the timings that matter for the game
# and the audits that fail. The whole reports are left in build-web/lighthouse-mobile.json
# and build-web/lighthouse-desktop.json. Not part of CI: its figures depend on the machine.
set -euo pipefail
source "$(dirname "$0")/setup.sh"
PORT=${1:-8093}
TOOL="$TRAVOLK_ROOT/tests/web/lighthouse"
REPORT="$TRAVOLK_ROOT/build-web/lighthouse.json"

mkdir -p "$TRAVOLK_ROOT/build-web"
"$TRAVOLK_ROOT/scripts/web.sh" --serve "$PORT" >"$TRAVOLK_ROOT/build-web/serve.log" 2>&1 &
server=$!
trap 'kill "$server" 2>/dev/null || true' EXIT
(cd "$TOOL" && npm ci --no-audit --no-fund >/dev/null)
for _ in $(seq 600); do
    (: >"/dev/tcp/127.0.0.1/$PORT") 2>/dev/null && break
    kill -0 "$server" 2>/dev/null || { cat "$TRAVOLK_ROOT/build-web/serve.log" >&2; exit 1; }
    sleep 1
done

# as a phone sees it (Lighthouse's default) and as a desktop does
for form in mobile desktop; do
    report="${REPORT%.json}-$form.json"
    preset=()
    [ "$form" = desktop ] && preset=(--preset=desktop)
    CHROME_PATH=/usr/bin/chromium "$TOOL/node_modules/.bin/lighthouse" "http://127.0.0.1:$PORT/" "${preset[@]}" \
        --only-categories=performance,accessibility,best-practices,seo --output=json --output-path="$report" --quiet \
        --chrome-flags="--headless=new --no-sandbox --use-angle=swiftshader --enable-unsafe-swiftshader \
--disable-background-networking --disable-component-update --disable-sync --no-first-run --disable-quic"
    echo "== $form"
    node --input-type=module - "$report" <<'JS'
import { readFileSync } from "node:fs";
const report = JSON.parse(readFileSync(process.argv[2], "utf8"));
const score = (id) => Math.round(report.categories[id].score * 100);
const audit = (id) => report.audits[id];
const ms = (id) => `${Math.round(audit(id).numericValue)} ms`;
const rows = [
    ["performance", score("performance")],
    ["accessibility", score("accessibility")],
    ["best practices", score("best-practices")],
    ["SEO", score("seo")],
    ["first contentful paint", ms("first-contentful-paint")],
    ["largest contentful paint", ms("largest-contentful-paint")],
    ["total blocking time", ms("total-blocking-time")],
    ["speed index", ms("speed-index")],
    ["back/forward cache", audit("bf-cache").score === 1 ? "allowed" : audit("bf-cache").displayValue || "not allowed"],
];
const scripts = (audit("bootup-time").details?.items ?? []).slice(0, 3)
    .map((item) => [`script time of ${item.url.replace(/^.*\//, "")}`, `${Math.round(item.scripting)} ms`]);
const longTasks = (audit("long-tasks").details?.items ?? [])
    .map((item) => [`long task (${item.url.replace(/^.*\//, "") || "page"})`, `${Math.round(item.duration)} ms`]);
const failing = Object.values(report.categories).filter((category) => category.id !== "performance")
    .flatMap((category) => category.auditRefs.map((ref) => report.audits[ref.id]))
    .filter((found) => found.score !== null && found.score < 1 && found.scoreDisplayMode === "binary")
    .map((found) => ["failed audit", found.id]);
for (const [name, value] of [...rows, ...scripts, ...longTasks, ...failing]) {
    console.log(`${name.padEnd(44)} ${value}`);
}
JS
done
