#!/usr/bin/env bash
# unpacked_mesh_tool.sh DIR PYTHON: orvane-mesh unpacked from the package into
# DIR/root runs with the machine's own libraries and no display, and the file
# it writes opens in meshio (Debian's python3-meshio, under PYTHON) with the
# triangle count its summary gives.
set -euo pipefail
dir=${1:?usage: unpacked_mesh_tool.sh DIR PYTHON}
python=${2:?usage: unpacked_mesh_tool.sh DIR PYTHON}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

summary=$(env -u DISPLAY "$dir/root/usr/bin/orvane-mesh" --weld --json -o "$work/surface.ply")
"$python" - "$work/surface.ply" "$summary" <<'PY'
import json, sys
import meshio
mesh = meshio.read(sys.argv[1])
triangles = len(mesh.cells_dict["triangle"])
expected = json.loads(sys.argv[2])["triangles"]
if triangles != expected or len(mesh.points) != json.loads(sys.argv[2])["vertices"]:
    raise SystemExit(f"FAIL: meshio reads {triangles} triangles, the summary says {expected}")
print(f"the packaged orvane-mesh wrote {triangles} triangles that meshio reads")
PY
