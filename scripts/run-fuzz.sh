#!/bin/sh
# Runs every fuzz target of a build for a bounded time. Usage: run-fuzz.sh BUILD SECONDS
set -eu
build=$1
seconds=$2
status=0
# Every save is flushed to disk; scratch folders in memory keep the fuzzers fast.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then export TMPDIR=/dev/shm; fi
for target in "$build"/fuzz/*_fuzz; do
    [ -x "$target" ] || continue
    name=$(basename "$target")
    corpus="$build/fuzz-corpus/$name"
    mkdir -p "$corpus"
    # Seeds give the fuzzer well-formed records to mutate from.
    if [ -d "fuzz/seeds/$name" ]; then cp -n fuzz/seeds/"$name"/* "$corpus"/ 2>/dev/null || true; fi
    echo "== $name ($seconds s)"
    if ! "$target" -max_total_time="$seconds" -max_len=65536 -print_final_stats=1 "$corpus" \
            > "$build/$name.log" 2>&1; then
        echo "   FAILED: see $build/$name.log"
        tail -30 "$build/$name.log"
        status=1
    else
        # The last status line: the coverage reached (cov: edges, ft: features) and the runs.
        grep -E "DONE" "$build/$name.log" | tail -1 || true
    fi
done
exit $status
