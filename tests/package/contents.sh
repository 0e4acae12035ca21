#!/usr/bin/env bash
# contents.sh DIR VERSION: the package that pack.sh unpacked into DIR is named
# and versioned after the project, has a maintainer, installs the viewer and
# orvane-mesh under /usr/bin and a valid desktop entry under
# /usr/share/applications whose icon is in the hicolor theme (each picture
# of the size its folder names), and depends on the package of every shared
# library either binary links: freeglut and libGL among the viewer's, no
# OpenGL or GLUT library among orvane-mesh's.
set -euo pipefail
dir=${1:?usage: contents.sh DIR VERSION}
version=${2:?usage: contents.sh DIR VERSION}
control=$dir/control/control
binary=$dir/root/usr/bin/orvane
mesh_tool=$dir/root/usr/bin/orvane-mesh
entry=$dir/root/usr/share/applications/orvane.desktop
failures=0

fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

field() {
  sed -n "s/^$1: //p" "$control"
}

[ "$(field Package)" = orvane ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)', the project's is $version"
[[ "$(field Maintainer)" =~ ^[^\<]+\ \<[^@\>]+@[^\>]+\>$ ]] ||
  fail "Maintainer is '$(field Maintainer)', not 'Name <address>'"
[ -n "$(field Description)" ] || fail "no Description"

[ -x "$binary" ] || fail "no executable usr/bin/orvane in the package"
[ -x "$mesh_tool" ] || fail "no executable usr/bin/orvane-mesh in the package"
if [ -f "$entry" ]; then
  desktop-file-validate "$entry" || fail "the desktop entry is not valid"
  grep -qx 'Exec=orvane' "$entry" || fail "the desktop entry does not start orvane"
  grep -qx 'Icon=orvane' "$entry" || fail "the desktop entry does not name the icon orvane"
else
  fail "no usr/share/applications/orvane.desktop in the package"
fi

shopt -s nullglob
icons=("$dir"/root/usr/share/icons/hicolor/*/apps/orvane.png)
[ ${#icons[@]} -gt 0 ] || fail "no usr/share/icons/hicolor/*/apps/orvane.png in the package"
for icon in "${icons[@]}"; do
  size=$(basename "$(dirname "$(dirname "$icon")")")
  file -b "$icon" | grep -q "^PNG image data, ${size/x/ x }," ||
    fail "${icon#"$dir"/root} is not a $size PNG: $(file -b "$icon")"
done

# The package names of the dependencies, without versions or alternatives.
depends=" $(field Depends | sed 's/[,|]/\n/g' | awk '{print $1}' | tr '\n' ' ') "
echo "Depends: $(field Depends)"

needed=$(objdump -p "$binary" | awk '$1 == "NEEDED" {print $2}')
grep -q '^libglut\.so' <<<"$needed" || fail "the binary does not link freeglut"
grep -q '^libGL\.so' <<<"$needed" || fail "the binary does not link libGL"
mesh_needed=$(objdump -p "$mesh_tool" 2>/dev/null | awk '$1 == "NEEDED" {print $2}' || true)
! grep -Eq '^lib(GL|OpenGL|GLX|EGL|glut)' <<<"$mesh_needed" ||
  fail "orvane-mesh links a display library: $(tr '\n' ' ' <<<"$mesh_needed")"
for library in $(sort -u <<<"$needed"$'\n'"$mesh_needed"); do
  owners=$(dpkg -S "*/$library" 2>/dev/null | cut -d: -f1 | sort -u)
  [ -n "$owners" ] || { fail "no installed package holds $library"; continue; }
  found=
  for owner in $owners; do
    [[ "$depends" == *" $owner "* ]] && found=$owner
  done
  [ -n "$found" ] || fail "$library is in ${owners//$'\n'/ }, which Depends does not name"
  [ -z "$found" ] || echo "$library: $found"
done

[ "$failures" -eq 0 ] || exit 1
