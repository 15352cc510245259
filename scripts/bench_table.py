#!/usr/bin/env python3
"""Prints a Markdown table of benchmark times beside their floors: for each
benchmark NAME/SIZE with a NAMEFloor/SIZE, the two times and their ratio."""
import json
import sys

UNITS = {"ns": 1e-3, "us": 1.0, "ms": 1e3, "s": 1e6}

runs = json.load(open(sys.argv[1]))["benchmarks"]
times = {}
for run in runs:
    name = run["name"].replace("/manual_time", "")
    times[name] = run["real_time"] * UNITS[run["time_unit"]]

print("| operation | entries | time (µs) | floor (µs) | ratio |")
print("|---|---:|---:|---:|---:|")
for name, micros in times.items():
    operation, _, size = name.partition("/")
    if operation.endswith("Floor"):
        continue
    floor = times.get(f"{operation}Floor/{size}")
    if floor:
        print(f"| {operation} | {int(size):,} | {micros:,.2f} | {floor:,.2f} | {micros / floor:.2f} |")
