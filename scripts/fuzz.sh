#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and AddressSanitizer in build-fuzz/
# and runs each for a bounded time: 60 seconds unless the first argument
# says otherwise. Seeds come from fuzz/corpus/ and the test fixtures; new
# inputs collect in build-fuzz/corpus/, crashes in build-fuzz/artifacts/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/setup.sh"

seconds="${1:-60}"
yavo_install_packages "$root/scripts/packages.txt"
yavo_install_packages "$root/scripts/packages-fuzz.txt"

build="$root/build-fuzz"
fuzzers=(fuzz_rtfreader fuzz_formatreaders fuzz_docxreader fuzz_docxpart fuzz_odtreader)
if [ ! -f "$build/CMakeCache.txt" ]; then
    CC=clang CXX=clang++ cmake -S "$root" -B "$build" \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DYAVO_BUILD_FUZZERS=ON -DYAVO_BUILD_TESTS=OFF -DYAVO_BUILD_BENCHMARKS=OFF \
        -DCMAKE_CXX_FLAGS="-fsanitize=address,fuzzer-no-link -fno-omit-frame-pointer"
fi
cmake --build "$build" --parallel "$(yavo_jobs)" --target "${fuzzers[@]}"

export QT_QPA_PLATFORM=offscreen
# Leak checks are off: Qt's platform plug-in and font caches stay
# allocated until exit by design and drown any real report.
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=0}"
status=0
for fuzzer in "${fuzzers[@]}"; do
    corpus="$build/corpus/$fuzzer"
    artifacts="$build/artifacts/$fuzzer/"
    mkdir -p "$corpus" "$artifacts"
    cp -n "$root/fuzz/corpus/$fuzzer/"* "$corpus/" 2>/dev/null || true
    if [ "$fuzzer" = fuzz_rtfreader ]; then
        cp -n "$root/tests/formats/data/"*.rtf "$corpus/" 2>/dev/null || true
    fi
    if [ "$fuzzer" = fuzz_docxreader ]; then
        cp -n "$root/tests/formats/data/"*.docx "$corpus/" 2>/dev/null || true
    fi
    if [ "$fuzzer" = fuzz_odtreader ]; then
        cp -n "$root/tests/formats/data/"*.odt "$root/tests/formats/data/"*.fodt "$corpus/" 2>/dev/null || true
    fi
    echo "== $fuzzer ($seconds s)"
    if ! "$build/fuzz/$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -detect_leaks=0 \
            -artifact_prefix="$artifacts" -print_final_stats=1 "$corpus"; then
        echo "$fuzzer found a failure; see $artifacts"
        status=1
    fi
done
exit $status
