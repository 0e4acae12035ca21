#!/usr/bin/env bash
# manual_pages.sh render PAGE...: each manual page renders with groff's man
# macros and every warning on, with no warning at all.
# manual_pages.sh lists MESH_TOOL HELP_TEXT VIEWER_PAGE MESH_PAGE: the
# options of orvane-mesh's page are, tag for tag and in order, the option
# column of its --help (names, value and default), and the keys of the
# viewer's page are the keys and texts of its help text.
set -euo pipefail
usage="usage: manual_pages.sh render PAGE... | lists MESH_TOOL HELP_TEXT VIEWER_PAGE MESH_PAGE"
mode=${1:?$usage}
shift

render() {
  local page warnings failures=0
  for page in "$@"; do
    warnings=$(groff -man -ww -z "$page" 2>&1) || warnings+=" (exit status $?)"
    if [ -n "$warnings" ]; then
      echo "FAIL: $(basename "$page"): $warnings" >&2
      failures=$((failures + 1))
    fi
  done
  [ "$failures" -eq 0 ] || exit 1
  echo "$# manual pages render without a warning"
}

# tags PAGE SECTION: the line after each .TP of the section, and the line
# after that, as plain text joined by a tab; font changes and escapes out.
tags() {
  awk -v section="$2" '
    /^\.SH / { inside = ($2 == section); next }
    !inside { next }
    /^\.TP/ { want = 2; next }
    want == 2 { tag = $0; want = 1; next }
    want == 1 { print tag "\t" $0; want = 0 }
  ' "$1" | sed -e 's/\\f[BIRP]//g' -e 's/\\-/-/g' -e 's/\\&//g'
}

lists() {
  local tool=$1 help=$2 viewer_page=$3 mesh_page=$4 work failures=0
  work=$(mktemp -d)
  trap 'rm -rf "$work"' RETURN
  # CLI11 writes an option's names, value and default in one column, then
  # at least two spaces and the description, or the description on the
  # next line when the column is too wide.
  "$tool" --help | awk '/^Options:/ { on = 1; next } on && /^$/ { exit } on && /^  -/' |
    sed -E -e 's/^  //' -e 's/ {2,}.*//' -e 's/, */,/g' >"$work/help-options"
  tags "$mesh_page" OPTIONS | cut -f1 | sed -e 's/, */,/g' >"$work/page-options"
  [ -s "$work/help-options" ] || { echo "FAIL: no options in $tool --help" >&2; exit 1; }
  diff -u --label "orvane-mesh --help" --label "$(basename "$mesh_page")" \
    "$work/help-options" "$work/page-options" >&2 || {
    echo "FAIL: the manual page's options are not those of --help" >&2
    failures=$((failures + 1))
  }

  # The help text's key lines, "KEY  TEXT", against each tag and the first
  # line under it, "TEXT.".
  sed -n '/^Controls:$/,$p' "$help" | tail -n +2 | sed 's/  /\t/' >"$work/help-keys"
  tags "$viewer_page" KEYS | sed 's/\.$//' >"$work/page-keys"
  [ -s "$work/help-keys" ] || { echo "FAIL: no keys in $help" >&2; exit 1; }
  diff -u --label "$(basename "$help")" --label "$(basename "$viewer_page")" \
    "$work/help-keys" "$work/page-keys" >&2 || {
    echo "FAIL: the manual page's keys are not those of the help text" >&2
    failures=$((failures + 1))
  }
  [ "$failures" -eq 0 ] || exit 1
  echo "the manual pages list the $(wc -l <"$work/help-options") options of --help and the $(wc -l <"$work/help-keys") keys of the help text"
}

case "$mode" in
  render) [ $# -gt 0 ] || { echo "$usage" >&2; exit 2; }; render "$@" ;;
  lists) [ $# -eq 4 ] || { echo "$usage" >&2; exit 2; }; lists "$@" ;;
  *) echo "$usage" >&2; exit 2 ;;
esac
