#!/usr/bin/env bash
# The browser build tried in a real browser (tests/web/browser-test.mjs): Debian's
# Chromium, headless, driven by puppeteer-core from the npm registry at the version
# tests/web/package-lock.json pins (it downloads no browser). The charts are compared
# with the Linux build's pictures of the same worked examples, which its
# tools/lab_pictures paints first (as the program paints them: a display's screenshot
# can differ from that by a level in some colours).
#   BUILD       the Linux build folder (build)
#   WEB_BUILD   the browser build folder (build-web), its page in $WEB_BUILD/site
# What the test saw goes to $WEB_BUILD/browser-test: every window's picture, each chart's
# difference from Linux, the console and figures.json (start-up and Enter to picture).
set -euo pipefail
cd "$(dirname "$0")/.."

BUILD=${BUILD:-build}
WEB_BUILD=${WEB_BUILD:-build-web}
bash scripts/install-web-deps.sh browser

# The driver, exactly as locked; fetched again only when the lock file has changed.
if ! cmp -s tests/web/package-lock.json tests/web/node_modules/.labs-installed-lock; then
  (cd tests/web && npm ci --no-audit --no-fund)
  cp tests/web/package-lock.json tests/web/node_modules/.labs-installed-lock
fi

shots="$WEB_BUILD/linux-pictures"
rm -rf "$shots"
QT_QPA_PLATFORM=offscreen LC_ALL=ru_RU.UTF-8 "$BUILD/tools/lab_pictures" "$shots"

out="$WEB_BUILD/browser-test"
rm -rf "$out"
node tests/web/browser-test.mjs "$WEB_BUILD/site" "$shots" "$out"
