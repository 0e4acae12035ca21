#!/usr/bin/python3
"""scripts/plots on small reports made here: which run of a repeated
benchmark it draws, its one-line refusals, and that the same figures give the
same files."""
import importlib.util
import json
import os
import pathlib
import subprocess
import sys
import tempfile
import unittest
from importlib.machinery import SourceFileLoader

PLOTS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts", "plots")
_loader = SourceFileLoader("plots", PLOTS)
plots = importlib.util.module_from_spec(importlib.util.spec_from_loader("plots", _loader))
_loader.exec_module(plots)


def run(name, time, **counters):
    return {"name": name, "run_name": name, "run_type": "iteration", "real_time": time,
            "cpu_time": time, "time_unit": "ms", **counters}


def bench_report():
    runs = []
    for field in (1, 2, 3):
        for grid in (16, 32):
            runs.append(run(f"Sweep/field:{field}/grid:{grid}", 0.1 * field * grid))
            runs.append(run(f"Floor/field:{field}/grid:{grid}/manual_time", 0.1,
                            ratio=0.5, ratio_batched=0.5 if field == 3 else 1.5))
    for grid in (32, 64):
        for weld in (0, 1):
            for threads in (1, 2):
                runs.append(run(f"MeshTool/grid:{grid}/weld:{weld}/threads:{threads}/manual_time",
                                grid * (1 + weld) / threads, cpu_s=grid * 1e-3,
                                wall_s=grid * 2e-3 / threads))
    return {"context": {"num_cpus": 2, "mhz_per_cpu": 2600, "load_avg": [1.0, 1.0, 1.0]},
            "benchmarks": runs}


FPS = {"window": "640x480", "interval_ms": 1000, "reports": 5, "load_start": [1.0, 1.0, 1.0],
       "load_end": [1.0, 1.0, 1.0], "floor": {"fps": 2000, "lowest": 1900, "highest": 2100},
       "viewer": [{"grid": grid, "keys": keys, "fps": fps, "lowest": fps - 10, "highest": fps + 10}
                  for grid, keys, fps in ((16, "start", 900), (32, "16 x +", 400),
                                          (64, "32 x +", 100), (16, "48 x -", 850))]}


def write_inputs(build, report=None, fps=FPS):
    for name, figures in (("bench.json", report or bench_report()), ("fps.json", fps)):
        if figures is not None:
            with open(os.path.join(build, name), "w", encoding="utf-8") as file:
                json.dump(figures, file)


def run_plots(build, docs):
    return subprocess.run([PLOTS, build, docs], capture_output=True, text=True, check=False)


class PlotsTest(unittest.TestCase):
    def test_repeated_benchmark_is_drawn_at_its_median(self):
        report = bench_report()
        name = "Floor/field:1/grid:16/manual_time"
        report["benchmarks"] += [dict(run(name, 0.1, ratio=ratio), run_type=kind,
                                      aggregate_name=aggregate)
                                 for ratio, kind, aggregate in ((0.9, "iteration", None),
                                                                (0.62, "aggregate", "mean"),
                                                                (0.61, "aggregate", "median"),
                                                                (0.02, "aggregate", "stddev"))]
        runs = plots.bench_runs(report, "bench.json")
        self.assertEqual(runs["Floor"][(1, 16)]["ratio"], 0.61)
        self.assertEqual(runs["Floor"][(3, 32)]["ratio_batched"], 0.5)

    def test_missing_or_incomplete_figures_stop_with_one_line_naming_the_command(self):
        filtered = bench_report()
        filtered["benchmarks"] = [r for r in filtered["benchmarks"] if "Sweep" not in r["name"]]
        failed = bench_report()
        failed["benchmarks"][0].update(error_occurred=True, error_message="orvane-mesh failed")
        for report, fps, expected in ((None, None, "fps.json is missing: run `make fps` first"),
                                      (filtered, FPS, "no Sweep figures: run `make bench`"),
                                      (failed, FPS, "failed: orvane-mesh failed")):
            with self.subTest(expected=expected), tempfile.TemporaryDirectory() as build:
                write_inputs(build, report, fps)
                done = run_plots(build, os.path.join(build, "docs"))
                self.assertEqual(done.returncode, 1)
                self.assertEqual(len(done.stderr.splitlines()), 1, done.stderr)
                self.assertIn(expected, done.stderr)
                self.assertFalse(os.path.exists(os.path.join(build, "docs")))

    def test_same_figures_give_the_same_files(self):
        with tempfile.TemporaryDirectory() as build:
            write_inputs(build)
            outputs = []
            for docs in ("first", "second"):
                done = run_plots(build, os.path.join(build, docs))
                self.assertEqual(done.returncode, 0, done.stderr)
                outputs.append({path.name: path.read_bytes()
                                for path in sorted(pathlib.Path(build, docs).iterdir())})
            self.assertEqual(len(outputs[0]), 4)
            self.assertEqual(outputs[0], outputs[1])


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1] + ["-v"])
