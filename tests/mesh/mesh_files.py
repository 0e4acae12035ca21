#!/usr/bin/env python3
"""Checks of the files orvane-mesh writes, made by reading them independently
of the program: with Debian's meshio, and with a few lines of numpy that
parse the PLY file by hand.

  mesh_files.py read-back     each format reads back with the same counts, and
                              PLY and OBJ with the same floats
  mesh_files.py closed        welded point-field surfaces over a range of grids
                              and frames are closed wherever the cube does not
                              cut them, every edge run once each way
  mesh_files.py area-volume   area and enclosed volume against a sum over the
                              file's triangles and against a sphere's
  mesh_files.py threads       the file and the summary are byte for byte the
                              same for one, two and three sweeping threads

The binary is $ORVANE_MESH. Exit status 0 when every check passes.
"""
import json
import os
import re
import subprocess
import sys
import tempfile

import meshio
import numpy as np

TOOL = os.environ["ORVANE_MESH"]
failures = []


def check(condition, message):
    if not condition:
        failures.append(message)
        print("FAIL:", message, file=sys.stderr)


def run_tool_text(args, path):
    """Runs orvane-mesh with --json writing path; returns what it printed."""
    done = subprocess.run([TOOL, *args, "--json", "-o", path],
                          capture_output=True, text=True, check=False)
    if done.returncode != 0:
        raise SystemExit(f"orvane-mesh {' '.join(args)} failed: {done.stderr}")
    return done.stdout


def run_tool(args, path):
    """Runs orvane-mesh with --json writing path; returns its summary."""
    return json.loads(run_tool_text(args, path))


def read_ply(path):
    """Positions, normals, colours and faces of the PLY layout the program
    documents, parsed by hand."""
    with open(path, "rb") as file:
        data = file.read()
    end = data.index(b"end_header\n") + len(b"end_header\n")
    header = data[:end].decode("ascii").splitlines()
    assert header[1] == "format binary_little_endian 1.0", header[1]
    counts = {line.split()[1]: int(line.split()[2])
              for line in header if line.startswith("element")}
    vertex = np.dtype([("p", "<f4", 3), ("n", "<f4", 3), ("c", "u1", 3)])
    face = np.dtype([("k", "u1"), ("i", "<i4", 3)])
    vertices = np.frombuffer(data, vertex, counts["vertex"], end)
    faces = np.frombuffer(data, face, counts["face"], end + vertex.itemsize * counts["vertex"])
    assert end + vertex.itemsize * counts["vertex"] + face.itemsize * counts["face"] == len(data)
    assert (faces["k"] == 3).all()
    return vertices["p"], vertices["n"], vertices["c"], faces["i"]


def same_floats(a, b):
    """Bit for bit, as float32."""
    a = np.ascontiguousarray(a, dtype=np.float32)
    b = np.ascontiguousarray(b, dtype=np.float32)
    return a.shape == b.shape and (a.view(np.uint32) == b.view(np.uint32)).all()


def stl_facets(path):
    """Normals and corners of a binary STL file, parsed by hand."""
    with open(path, "rb") as file:
        data = file.read()
    count = int.from_bytes(data[80:84], "little")
    facet = np.dtype([("n", "<f4", 3), ("p", "<f4", (3, 3)), ("a", "<u2")])
    assert 84 + facet.itemsize * count == len(data)
    facets = np.frombuffer(data, facet, count, 84)
    return facets["n"], facets["p"]


def check_weld(name, corners, welded):
    """Welding joins only copies of one crossing, a whisker apart, and each
    vertex keeps its first copy's position, normal and colour."""
    positions, normals, colours, faces = welded
    corner_vertex = faces.ravel()
    check(len(corner_vertex) == len(corners[0]), f"{name}: welded and unwelded corners differ")
    vertices, first = np.unique(corner_vertex, return_index=True)
    check((vertices == np.arange(len(positions))).all(), f"{name}: a vertex no face uses")
    check(same_floats(positions[vertices], corners[0][first]) and
          same_floats(normals[vertices], corners[1][first]) and
          (colours[vertices] == corners[2][first]).all(), f"{name}: a vertex is not its first copy")
    spread = np.abs(positions[corner_vertex] - corners[0]).max(initial=0)
    check(spread < 1e-5, f"{name}: copies {spread} apart were welded")


def check_read_back(directory):
    settings = [["--field", "1"],
                ["--field", "2", "--polygonizer", "tetra", "--grid", "13", "--frame", "57"],
                ["--field", "3", "--grid", "20", "--frame", "300", "--iso", "52.5"]]
    for args in settings:
        for weld in ([], ["--weld"]):
            name = " ".join(args + weld)
            paths = {ext: os.path.join(directory, "surface." + ext) for ext in ("ply", "obj", "stl")}
            summaries = [run_tool(args + weld, path) for path in paths.values()]
            for summary in summaries:
                summary.pop("seconds")
            check(summaries[0] == summaries[1] == summaries[2],
                  f"{name}: the summary depends on the format")
            summary = summaries[0]
            vertices = summary["vertices"] if weld else summary["corners"]
            triangles = summary["triangles"]
            check(summary["corners"] == 3 * triangles, f"{name}: corners are not 3 per triangle")

            positions, normals, colours, faces = read_ply(paths["ply"])
            if weld:
                check_weld(name, unwelded, (positions, normals, colours, faces))
            else:
                unwelded = (positions, normals, colours)
            check(len(positions) == vertices and len(faces) == triangles,
                  f"{name}: PLY holds {len(positions)} vertices and {len(faces)} faces")

            ply = meshio.read(paths["ply"])
            check(same_floats(ply.points, positions), f"{name}: meshio's PLY positions differ")
            check(same_floats(np.stack([ply.point_data[k] for k in ("nx", "ny", "nz")], 1),
                              normals), f"{name}: meshio's PLY normals differ")
            check((np.stack([ply.point_data[k] for k in ("red", "green", "blue")], 1)
                   .astype(np.uint8) == colours).all(), f"{name}: meshio's PLY colours differ")
            check((ply.cells_dict["triangle"] == faces).all(), f"{name}: meshio's PLY faces differ")

            obj = meshio.read(paths["obj"])
            check(same_floats(obj.points, positions), f"{name}: OBJ positions differ from PLY's")
            check(same_floats(obj.point_data["obj:vn"], normals),
                  f"{name}: OBJ normals differ from PLY's")
            check((obj.cells_dict["triangle"] == faces).all(), f"{name}: OBJ faces differ")

            stl = meshio.read(paths["stl"])
            stl_corners = stl.points[stl.cells_dict["triangle"]]
            check(len(stl_corners) == triangles, f"{name}: STL holds {len(stl_corners)} triangles")
            check(same_floats(stl_corners, positions[faces]),
                  f"{name}: STL corners differ from PLY's")
            check_stl_normals(name, paths["stl"])


def check_stl_normals(name, path):
    """Each facet's normal is its triangle's unit normal, along the winding."""
    normals, corners = stl_facets(path)
    corners = corners.astype(np.float64)
    cross = np.cross(corners[:, 1] - corners[:, 0], corners[:, 2] - corners[:, 0])
    length = np.linalg.norm(cross, axis=1)
    flat = length == 0
    check((normals[flat] == 0).all(), f"{name}: a zero-area facet has a normal")
    unit = cross[~flat] / length[~flat, None]
    check(np.abs(normals[~flat] - unit).max(initial=0) < 1e-6,
          f"{name}: STL normals are not the facets' own")


def edge_uses(faces):
    """Undirected edges with the number of triangles using each, and how many
    of those run it from its lower to its higher vertex."""
    directed = np.concatenate([faces[:, [0, 1]], faces[:, [1, 2]], faces[:, [2, 0]]])
    forward = directed[:, 0] < directed[:, 1]
    undirected = np.sort(directed, axis=1)
    edges, inverse, uses = np.unique(undirected, axis=0, return_inverse=True, return_counts=True)
    forward_uses = np.bincount(inverse.ravel(), weights=forward, minlength=len(edges))
    return edges, uses, forward_uses


def on_one_cube_face(a, b, tolerance=1e-6):
    """Whether points a and b (rows) both lie on one face of the unit cube."""
    low = (np.abs(a) <= tolerance) & (np.abs(b) <= tolerance)
    high = (np.abs(a - 1) <= tolerance) & (np.abs(b - 1) <= tolerance)
    return (low | high).any(axis=1)


def check_closed(directory):
    path = os.path.join(directory, "closed.ply")
    closed_runs = 0
    for polygonizer in ("cube", "tetra"):
        for grid in (8, 9, 12, 16, 21, 27, 32, 37, 40):
            for frame in (1, 2, 25, 63, 100, 126, 150, 189, 222, 251, 300):
                name = f"{polygonizer} grid {grid} frame {frame}"
                summary = run_tool(["--polygonizer", polygonizer, "--grid", str(grid),
                                    "--frame", str(frame), "--weld"], path)
                positions, _, _, faces = read_ply(path)
                edges, uses, forward = edge_uses(faces)
                boundary = edges[uses == 1]
                check((uses <= 2).all(), f"{name}: an edge of more than two triangles")
                check((forward[uses == 2] == 1).all(), f"{name}: neighbours wound apart")
                check(on_one_cube_face(positions[boundary[:, 0]], positions[boundary[:, 1]]).all(),
                      f"{name}: a boundary edge inside the cube")
                check(summary["boundary_edges"] == len(boundary) and
                      summary["nonmanifold_edges"] == int((uses > 2).sum()) and
                      summary["edges"] == len(edges),
                      f"{name}: the summary's edge counts differ from the file's")
                closed_runs += len(boundary) == 0
    # Frames 1, 126 and 251 keep the sources well inside the cube.
    check(closed_runs >= 2 * 9 * 3, f"only {closed_runs} runs gave closed surfaces")


def area_and_volume(positions, faces):
    """Sum of the triangles' areas, and the enclosed volume as the sum of the
    signed volumes of the tetrahedra each triangle spans with the origin."""
    p = positions.astype(np.float64)[faces]
    area = np.linalg.norm(np.cross(p[:, 1] - p[:, 0], p[:, 2] - p[:, 0]), axis=1).sum() / 2
    volume = np.linalg.det(p).sum() / 6
    return area, volume


def check_area_volume(directory):
    path = os.path.join(directory, "sphere.ply")
    # At frame 0 the three sources sit together at the centre: the field is
    # 3 / d^2 and its level 48 a sphere of radius 1/4.
    radius = 0.25
    sphere_area, sphere_volume = 4 * np.pi * radius**2, 4 / 3 * np.pi * radius**3
    for polygonizer in ("cube", "tetra"):
        errors = []
        for grid in (16, 32, 64):
            name = f"{polygonizer} sphere grid {grid}"
            summary = run_tool(["--polygonizer", polygonizer, "--grid", str(grid),
                                "--frame", "0", "--weld"], path)
            positions, _, _, faces = read_ply(path)
            area, volume = area_and_volume(positions, faces)
            check(abs(summary["area"] - area) <= 1e-9 * area, f"{name}: area {summary['area']}, "
                  f"the file's triangles {area}")
            check(abs(summary["volume"] - volume) <= 1e-9 * volume,
                  f"{name}: volume {summary['volume']}, the file's triangles {volume}")
            errors.append((abs(area / sphere_area - 1), abs(volume / sphere_volume - 1)))
            print(f"{name}: area {area:.6f} ({errors[-1][0]:.2%} off the sphere's), "
                  f"volume {volume:.6f} ({errors[-1][1]:.2%} off)")
        check(errors[-1][0] < 0.005 and errors[-1][1] < 0.005,
              f"{polygonizer}: at grid 64 the surface is not the sphere")
        check(errors[0] > errors[-1], f"{polygonizer}: finer grids come no closer to the sphere")
    # A surface that reaches the cube's faces is open and encloses nothing.
    summary = run_tool(["--frame", "63", "--weld"], path)
    check(summary["boundary_edges"] > 0 and summary["volume"] == 0,
          f"frame 63: {summary['boundary_edges']} boundary edges, volume {summary['volume']}")


def check_threads(directory):
    """37 x layers do not split evenly into chunks, and three threads are
    more than the cores of most machines that run this."""
    for args in (["--field", "1", "--frame", "90"], ["--field", "3", "--frame", "300"]):
        for polygonizer in ("cube", "tetra"):
            for weld in ([], ["--weld"]):
                for ext in ("ply", "obj"):
                    name = " ".join(args + ["--polygonizer", polygonizer] + weld) + " ." + ext
                    outputs = []
                    for threads in (1, 2, 3):
                        path = os.path.join(directory, f"threads{threads}.{ext}")
                        printed = run_tool_text(args + ["--polygonizer", polygonizer, "--grid",
                                                        "37", "--threads", str(threads)] + weld,
                                                path)
                        with open(path, "rb") as file:
                            outputs.append((file.read(), re.sub(r',"seconds":[^,}]*', "", printed)))
                    check(outputs[0][0] and outputs[0] == outputs[1] == outputs[2],
                          f"{name}: the output depends on the thread count")


def main():
    checks = {"read-back": check_read_back, "closed": check_closed,
              "area-volume": check_area_volume, "threads": check_threads}
    if len(sys.argv) != 2 or sys.argv[1] not in checks:
        raise SystemExit(__doc__)
    with tempfile.TemporaryDirectory() as directory:
        checks[sys.argv[1]](directory)
    if failures:
        raise SystemExit(f"{len(failures)} checks failed")
    print(f"{sys.argv[1]}: all checks passed")


if __name__ == "__main__":
    main()
