"""Wall time and peak memory of building the module from scratch, as `pip install .` builds it.

Configures a fresh build folder (Release, the module alone) and builds it with two jobs, sampling the
resident memory of the whole process tree every 0.1 s. Peak memory is reported two ways: the largest
single process (the compiler or linker at its peak) and the whole tree at its peak (both jobs together).
"""

import argparse
import json
import os
import shutil
import subprocess
import sys
import tempfile
import time


def tree_rss(root_pid):
    """Resident bytes of a process and all its descendants, and of the largest one of them."""
    children = {}
    rss = {}
    for entry in os.listdir("/proc"):
        if not entry.isdigit():
            continue
        try:
            with open(f"/proc/{entry}/stat") as f:
                fields = f.read().rsplit(")", 1)[1].split()
            ppid = int(fields[1])
            pages = int(fields[21])
        except (OSError, IndexError, ValueError):
            continue
        children.setdefault(ppid, []).append(int(entry))
        rss[int(entry)] = pages * os.sysconf("SC_PAGE_SIZE")
    total, largest, stack = 0, 0, [root_pid]
    while stack:
        pid = stack.pop()
        total += rss.get(pid, 0)
        largest = max(largest, rss.get(pid, 0))
        stack.extend(children.get(pid, []))
    return total, largest


def run_sampled(command, env):
    start = time.perf_counter()
    process = subprocess.Popen(command, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
    peak_total = peak_single = 0
    while process.poll() is None:
        total, largest = tree_rss(process.pid)
        peak_total, peak_single = max(peak_total, total), max(peak_single, largest)
        time.sleep(0.1)
    if process.returncode != 0:
        sys.exit(f"build failed: {' '.join(command)}\n{process.stderr.read()}")
    return time.perf_counter() - start, peak_total, peak_single


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--out", required=True)
    parser.add_argument("--jobs", type=int, default=2)
    parser.add_argument(
        "--source",
        default=os.path.dirname(os.path.dirname(os.path.abspath(__file__))),
        help="source tree to build (default: this one)",
    )
    args = parser.parse_args()
    root = args.source
    import pybind11

    build = tempfile.mkdtemp(prefix="kaldra-build-cost-")
    env = dict(os.environ)
    try:
        configure = [
            "cmake",
            "-S",
            root,
            "-B",
            build,
            "-G",
            "Ninja",
            "-DCMAKE_BUILD_TYPE=Release",
            "-DBUILD_TESTING=OFF",
            f"-DPython_EXECUTABLE={sys.executable}",
            f"-Dpybind11_DIR={pybind11.get_cmake_dir()}",
        ]
        configure_time, _, _ = run_sampled(configure, env)
        wall, peak_total, peak_single = run_sampled(["cmake", "--build", build, "-j", str(args.jobs)], env)
    finally:
        shutil.rmtree(build, ignore_errors=True)
    result = {
        "configure_seconds": configure_time,
        "build_seconds": wall,
        "jobs": args.jobs,
        "peak_tree_bytes": peak_total,
        "peak_process_bytes": peak_single,
    }
    print(
        f"from-scratch build, {args.jobs} jobs: configure {configure_time:.0f} s, build {wall:.0f} s; "
        f"peak memory {peak_total / 2**30:.2f} GiB for the whole build, "
        f"{peak_single / 2**30:.2f} GiB for the largest process"
    )
    os.makedirs(args.out, exist_ok=True)
    with open(os.path.join(args.out, "build_cost.json"), "w") as f:
        result["source"] = root
        json.dump(result, f, indent=1)


if __name__ == "__main__":
    main()
