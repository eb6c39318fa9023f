#!/usr/bin/env bash
# The browser's game in a real browser: builds the site (tools/build-web) if needed, installs the
# test's npm packages (puppeteer-core and pngjs, as package-lock.json pins them), and plays the
# site in Debian's Chromium, headless, against quib-shot's pictures. Ends with one line:
# "web: N passed, N failed".
# usage: tests/web/run.sh BUILD_DIR   (a native build with quib-shot and quib-level in bin/)
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
bin=$(realpath "$1")/bin
web=${QUIB_WEB_BUILD:-$root/build/web}
fail() {
  echo "web: $1" >&2
  echo "web: 0 passed, 1 failed"
  exit 1
}
[ -x "$bin/quib-shot" ] || fail "no quib-shot in $bin: build the game first"
mkdir -p "$web"
# The texts are rendered by the native build's own tool: no second native build.
[ -x "$bin/quib-makeglyphs" ] && export QUIB_MAKEGLYPHS="$bin/quib-makeglyphs"
"$root/tools/build-web" "$web" >"$web/build.log" 2>&1 ||
  fail "the site does not build; see $web/build.log"
# Only the packages: Chromium is Debian's, never downloaded.
export PUPPETEER_SKIP_DOWNLOAD=1
if [ ! -d "$here/node_modules" ] || [ "$here/package-lock.json" -nt "$here/node_modules" ]; then
  (cd "$here" && npm ci --no-audit --no-fund --loglevel=error >/dev/null) ||
    fail "npm ci failed in $here"
  touch "$here/node_modules"
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
node "$here/quib_web_test.js" "$web/site" "$bin" "$work"
