#!/usr/bin/env bash
# stream_test.sh NATIVE_DRIVER WEB_DRIVER.js: runs the driver built natively
# and to WebAssembly (in node), then compares what the two wrote.
set -euo pipefail
native=${1:?usage: stream_test.sh NATIVE_DRIVER WEB_DRIVER.js}
web=${2:?usage: stream_test.sh NATIVE_DRIVER WEB_DRIVER.js}
here=$(cd "$(dirname "$0")" && pwd)
[ -f "$web" ] || { echo "FAIL: no $web: the web build did not make it" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/native" "$work/web"
"$native" "$work/native"
# emscripten 3.1.6's output runs in node only without node's own fetch.
node --no-experimental-fetch "$web" "$work/web"
node "$here/compare_streams.js" "$work/native" "$work/web"
