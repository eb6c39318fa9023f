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
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
npm_ci() { (cd "$here" && npm ci --no-audit --no-fund --loglevel=error "$@" >"$work/npm.log" 2>&1); }
if [ ! -d "$here/node_modules" ] || [ "$here/package-lock.json" -nt "$here/node_modules" ]; then
  if ! npm_ci; then
    # A proxy between this machine and the registry may sign for it with an authority this
    # machine does not know. What is installed is vouched for by the lock file's sha512 of
    # every package, which npm checks whatever the connection, so the packages are fetched
    # again without asking the proxy's certificate.
    if grep -qE 'CERT|certificate' "$work/npm.log"; then
      npm_ci --strict-ssl=false
    fi
  fi
  if grep -qE '^npm (ERR!|error) code (E[A-Z_]*(NOTFOUND|TIMEDOUT|CONNREFUSED|CONNRESET|AI_AGAIN)|[A-Z_]*CERT[A-Z_]*)' \
    "$work/npm.log"; then
    # No registry, no browser tests: said in the summary, not counted as a failure of the game.
    reason=$(grep -m 1 -E '^npm (ERR!|error) (code|request)' "$work/npm.log" | tail -n 1)
    echo "web: 0 passed, 0 failed, skipped (the npm registry cannot be reached: ${reason#npm * })"
    exit 0
  fi
  [ -d "$here/node_modules/puppeteer-core" ] ||
    fail "npm ci failed in $here: $(grep -m 3 -E '^npm (ERR!|error)' "$work/npm.log" | tr '\n' ' ')"
  touch "$here/node_modules"
fi
node "$here/quib_web_test.js" "$web/site" "$bin" "$work"
