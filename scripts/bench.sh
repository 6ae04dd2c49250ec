#!/usr/bin/env bash
# Builds and runs the benchmarks (not part of the test run).
# Extra arguments go to every benchmark program (e.g. --benchmark_filter=Convert).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/setup.sh"

yavo_install_packages "$root/scripts/packages.txt"
build="$root/build-bench"
yavo_configure_and_build "$root" "$build" -DCMAKE_BUILD_TYPE=Release -DYAVO_BUILD_TESTS=OFF

export QT_QPA_PLATFORM=offscreen
for bench in "$build"/bench/bench_*; do
    [ -f "$bench" ] && [ -x "$bench" ] || continue
    echo "== $(basename "$bench")"
    "$bench" "$@"
done

# The typing tutor's idle cost and the loading of its views, on a virtual X
# server (not a benchmark program: it watches the running tutor).
echo "== bench_tutor.sh"
"$root/scripts/bench_tutor.sh" "$build/bin/YavoTypingTutor"

# The word processor's idle cost in a screen-sized window on a virtual X
# server, the text cursor blinking in an empty document.
echo "== bench_pad_idle.sh"
"$root/scripts/bench_pad_idle.sh" "$build/bin/yavo-pad"
