#!/usr/bin/python3
"""The cost of tw_configctd.read() against ReadConFile in C++, on the same files.

Run from the source tree after a build of the default preset (tw_configctd_python
and read_cost):

    bench/bench_python_read.py [BUILD_DIR] [FILE...]

BUILD_DIR defaults to build/default, the files to every example. Both sides are
measured in this run, each as the best of three spans of 300 ms per file. The
module's cost is fitted as RATIO x ReadConFile + OVERHEAD over the files
(least squares), and printed with each file's own ratio; so is the cost of
LoadConfiguration, which the module and the tool both call (it finds the model,
makes the instrument and reads the file), and what the module adds to it.

Both sides write the library's diagnostics log, as a host does (the pre-read of
a legacy file logs that it is not a document), to one scratch file
(TW_CONFIGCTD_LOG) in TMPDIR, else /dev/shm, so that neither pays a disk the
other does not.
"""

import glob
import os
import subprocess
import sys
import tempfile
import time

SPAN = 0.3
REPEATS = 3


def python_cost(read, path):
    """Microseconds of one read(path), the best of REPEATS spans."""
    best = float("inf")
    for _ in range(REPEATS):
        reads = 0
        start = time.perf_counter()
        now = start
        while now - start < SPAN:
            read(path)
            reads += 1
            now = time.perf_counter()
        best = min(best, (now - start) / reads * 1e6)
    return best


def cpp_costs(program, paths):
    """Microseconds of one ReadConFile and of one LoadConfiguration of each path,
    each the best of REPEATS runs."""
    best = {path: (float("inf"), float("inf")) for path in paths}
    for _ in range(REPEATS):
        lines = subprocess.run([program, *paths], check=True, capture_output=True,
                               text=True).stdout.splitlines()
        for line in lines:
            path, read, load = line.rsplit("\t", 2)
            best[path] = tuple(map(min, best[path], (float(read), float(load))))
    return best


def fit(xs, ys):
    """Slope and intercept of the least-squares line through the points."""
    n = len(xs)
    mean_x, mean_y = sum(xs) / n, sum(ys) / n
    spread = sum((x - mean_x) ** 2 for x in xs)
    slope = sum((x - mean_x) * (y - mean_y) for x, y in zip(xs, ys)) / spread
    return slope, mean_y - slope * mean_x


def main():
    build = sys.argv[1] if len(sys.argv) > 1 else "build/default"
    paths = sys.argv[2:] or sorted(glob.glob("examples/*.xmlcon") + glob.glob("examples/*.con"))
    scratch = tempfile.TemporaryDirectory(
        dir=None if os.environ.get("TMPDIR") or not os.path.isdir("/dev/shm") else "/dev/shm")
    os.environ["TW_CONFIGCTD_LOG"] = os.path.join(scratch.name, "TW_ConfigCTD.log")
    sys.path.insert(0, os.path.join(build, "python"))
    import tw_configctd

    cpp = cpp_costs(os.path.join(build, "bench", "read_cost"), paths)
    print(f"{'file':32} {'bytes':>6} {'ReadConFile':>11} {'Load':>7} {'Python':>7} "
          f"{'ratio':>6}  (us)")
    reads, loads, pys = [], [], []
    for path in paths:
        py = python_cost(tw_configctd.read, path)
        read, load = cpp[path]
        reads.append(read)
        loads.append(load)
        pys.append(py)
        print(f"{os.path.basename(path):32} {os.path.getsize(path):6} {read:11.1f} "
              f"{load:7.1f} {py:7.1f} {py / read:6.2f}")
    if len(paths) > 1:
        for name, ys, xs, base in (("tw_configctd.read", pys, reads, "ReadConFile"),
                                   ("LoadConfiguration", loads, reads, "ReadConFile"),
                                   ("tw_configctd.read", pys, loads, "LoadConfiguration")):
            ratio, overhead = fit(xs, ys)
            print(f"{name} = {ratio:.2f} x {base} + {overhead:.1f} us")
        print(f"(fitted over {len(paths)} files)")


if __name__ == "__main__":
    main()
