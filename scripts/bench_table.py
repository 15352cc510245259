#!/usr/bin/env python3
"""Prints Markdown tables of benchmark times beside their baselines.

bench_table.py floors FILE       NAME/SIZE beside NAMEFloor/SIZE (data store)
bench_table.py commands FILE...  each command beside COMMAND/floor and
                                 COMMAND/sqlite, one FILE per store size"""
import json
import re
import sys

UNITS = {"ns": 1e-3, "us": 1.0, "ms": 1e3, "s": 1e6}


def times(path):
    result = {}
    for run in json.load(open(path))["benchmarks"]:
        result[run["name"].replace("/manual_time", "")] = run["real_time"] * UNITS[run["time_unit"]]
    return result


def floors(path):
    measured = times(path)
    print("| operation | entries | time (µs) | floor (µs) | ratio |")
    print("|---|---:|---:|---:|---:|")
    for name, micros in measured.items():
        operation, _, size = name.partition("/")
        floor = measured.get(f"{operation}Floor/{size}")
        if floor and not operation.endswith("Floor"):
            print(f"| {operation} | {int(size):,} | {micros:,.2f} | {floor:,.2f} | {micros / floor:.2f} |")


def commands(paths):
    print("| command | entries | Zelvo (µs) | floor (µs) | × floor | SQLite (µs) | × SQLite |")
    print("|---|---:|---:|---:|---:|---:|---:|")
    rows = []
    for path in paths:
        entries = int(re.search(r"(\d+)", path.rsplit("/", 1)[-1]).group(1))
        measured = times(path)
        for name, micros in measured.items():
            if "/" in name:
                continue
            floor, sqlite = measured[name + "/floor"], measured[name + "/sqlite"]
            rows.append((name, entries, micros, floor, sqlite))
    for name, entries, micros, floor, sqlite in sorted(rows, key=lambda r: (r[0], r[1])):
        print(f"| {name} | {entries:,} | {micros:,.2f} | {floor:,.2f} | {micros / floor:.2f} | "
              f"{sqlite:,.2f} | {micros / sqlite:.2f} |")


if sys.argv[1] == "floors":
    floors(sys.argv[2])
else:
    commands(sys.argv[2:])
