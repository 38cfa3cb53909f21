#!/usr/bin/env python3
"""Runs the benchmarks and prints them as a table, with the ratios and the goals.

    bench/run_benchmarks.py                      # full run, build/default
    bench/run_benchmarks.py --smoke              # every benchmark once, quickly (CI)
    bench/run_benchmarks.py --binary DIR/bench/melodara_benchmarks --repetitions 3

Each benchmark is named "CASE|WHO": WHO is the component, the literal reference walk,
Gumbo or libxml2 parsing the same page and making the same cut, or memchr and memcpy over
the same bytes. Times are CPU time per call (the machine is shared; wall time is in the
JSON). Ratios are WHO's time over the component's; for memcpy, the component's over
memcpy's, which is how many copies of the bytes the component costs.
"""
import argparse
import json
import os
import re
import subprocess
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def run(binary, min_time, repetitions, benchmark_filter):
    command = [binary, "--benchmark_format=json", f"--benchmark_min_time={min_time}"]
    if repetitions > 1:
        command += [f"--benchmark_repetitions={repetitions}", "--benchmark_report_aggregates_only=true"]
    if benchmark_filter:
        command.append(f"--benchmark_filter={benchmark_filter}")
    done = subprocess.run(command, check=True, stdout=subprocess.PIPE, text=True)
    report = json.loads(done.stdout)
    results = {}
    for entry in report["benchmarks"]:
        if entry.get("run_type") == "aggregate" and entry.get("aggregate_name") != "median":
            continue
        name = entry.get("run_name", entry["name"])
        scale = {"ns": 1e-3, "us": 1.0, "ms": 1e3, "s": 1e6}[entry["time_unit"]]
        results[name] = {
            "us": entry["cpu_time"] * scale,
            "mb_per_s": entry.get("bytes_per_second", 0.0) / 1e6,
        }
    return report["context"], results


def split(name):
    case, _, who = name.rpartition("|")
    return case, who


def duration(us):
    if us >= 1000:
        return f"{us / 1000:.2f} ms"
    return f"{us:.2f} us" if us < 10 else f"{us:.1f} us"


def print_table(results):
    cases = {}
    for name, result in results.items():
        case, who = split(name)
        cases.setdefault(case, {})[who] = result
    order = ["component", "reference", "gumbo", "libxml2", "memchr", "memcpy"]
    print(f"| case | who | time per call | MB/s | ratio |")
    print("|---|---|---:|---:|---:|")
    for case, runs in cases.items():
        component = runs.get("component")
        for who in order:
            if who not in runs:
                continue
            result = runs[who]
            ratio = ""
            if component and who != "component":
                if who == "memcpy":
                    ratio = f"component {component['us'] / result['us']:.1f}x memcpy"
                elif who != "memchr":
                    ratio = f"{result['us'] / component['us']:.1f}x the component"
            print(f"| {case} | {who} | {duration(result['us'])} | {result['mb_per_s']:.0f} | {ratio} |")
    return cases


def check_goals(cases):
    """Prints each goal with its figure; returns the number missed."""
    missed = 0

    def goal(text, met):
        nonlocal missed
        missed += 0 if met else 1
        print(f"  [{'met' if met else 'MISSED'}] {text}")

    print("\nGoals:")
    for case, runs in cases.items():
        if case.startswith("Search: 50 KB search page + 300 KB artist page, one title"):
            us = runs["component"]["us"]
            goal(f"Search over the 300 KB artist page under 100 us: {duration(us)}", us < 100)
            if "gumbo" in runs:
                ratio = runs["gumbo"]["us"] / us
                goal(f"Search at least 100 times faster than Gumbo's parse and cut: {ratio:.0f}x", ratio >= 100)
        if case.startswith("LoadLyric: 30 KB text page"):
            us = runs["component"]["us"]
            goal(f"LoadLyric of the 30 KB page under 20 us: {duration(us)}", us < 20)
        if case.startswith("ReplaceAll") and case.endswith(" 10 MB") and "memcpy" in runs:
            ratio = runs["component"]["us"] / runs["memcpy"]["us"]
            goal(f"{case}: {ratio:.1f}x memcpy (goal: at most 10x)", ratio <= 10)
    for case, runs in cases.items():
        if not case.endswith(" 10 MB") or "component" not in runs:
            continue
        half = cases.get(re.sub(r" 10 MB$", " 5 MB", case), {}).get("component")
        if half:
            ratio = runs["component"]["us"] / half["us"]
            goal(f"linear: {case[:-6]}: twice the input takes {ratio:.2f}x the time (at most 2.2x)", ratio <= 2.2)
    return missed


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--binary", default=os.path.join(ROOT, "build/default/bench/melodara_benchmarks"))
    parser.add_argument("--smoke", action="store_true", help="run each benchmark about once; goals not judged")
    parser.add_argument("--min-time", type=float, default=0.5, help="seconds per benchmark")
    parser.add_argument("--repetitions", type=int, default=1, help="take the median of this many runs")
    parser.add_argument("--filter", default="", help="a regular expression over the names")
    parser.add_argument("--check", action="store_true", help="exit 1 when a goal is missed")
    arguments = parser.parse_args()

    min_time = 0.001 if arguments.smoke else arguments.min_time
    repetitions = 1 if arguments.smoke else arguments.repetitions
    context, results = run(arguments.binary, min_time, repetitions, arguments.filter)
    print(f"{context.get('host_name', '?')}: {context.get('num_cpus', '?')} CPUs at "
          f"{context.get('mhz_per_cpu', '?')} MHz, load {context.get('load_avg', '?')}, {context.get('date', '')}")
    cases = print_table(results)
    if arguments.smoke:
        print(f"\nsmoke run: {len(results)} benchmarks ran; figures not judged")
        return 0
    missed = check_goals(cases)
    return 1 if arguments.check and missed else 0


if __name__ == "__main__":
    sys.exit(main())
