#!/usr/bin/env bash
# Installs the browser driver (puppeteer-core, driving Debian's chromium and
# firefox-esr) into tests/web/browser/node_modules exactly as
# package-lock.json pins it. Quiet and quick when that lockfile is installed
# already.
set -euo pipefail
cd "$(dirname "$0")"
stamp=node_modules/.installed-lock.json
if cmp -s package-lock.json "$stamp" 2>/dev/null; then
  exit 0
fi
command -v npm >/dev/null || { echo "install-driver: no npm (scripts/install-deps installs it)" >&2; exit 1; }
# --ignore-scripts: nothing may download a browser of its own; Debian's is used.
npm ci --no-audit --no-fund --ignore-scripts --loglevel=error
cp package-lock.json "$stamp"
