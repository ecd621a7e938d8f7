#!/bin/sh
# Runs every benchmark program of a build. Usage: run-bench.sh BUILD
set -eu
build=$1
for bench in "$build"/bench/*_bench; do
    [ -x "$bench" ] || continue
    echo "== $(basename "$bench")"
    "$bench" --benchmark_min_time=0.2
done
