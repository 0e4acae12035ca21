#!/usr/bin/env bash
# docs/index.html is the page for those who open Orvane without building it:
# it must be the very page this checkout builds. Fails, naming the command
# that refreshes it, when the two differ.
# Usage: page_is_current.sh BUILT_PAGE COMMITTED_PAGE
set -euo pipefail
built=${1:?usage: page_is_current.sh BUILT_PAGE COMMITTED_PAGE}
committed=${2:?usage: page_is_current.sh BUILT_PAGE COMMITTED_PAGE}
if ! cmp -s "$built" "$committed"; then
  echo "page_is_current: $committed is not the page this checkout builds ($built);" >&2
  echo "page_is_current: run \`make web\`, which refreshes it, and commit it" >&2
  exit 1
fi
echo "page_is_current: $committed is the built page, $(wc -c <"$committed") bytes"
