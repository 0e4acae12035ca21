#!/usr/bin/env bash
# The web build, as `make web` makes it, for the tests that follow: the page
# and the WebAssembly test driver in build/web.
set -euo pipefail
cd "$(dirname "$0")/../.."
# emscripten's JavaScript optimizer needs node to find Debian's modules.
export NODE_PATH=${NODE_PATH:-/usr/share/nodejs}
cmake --preset web >/dev/null
cmake --build --preset web -j 2
