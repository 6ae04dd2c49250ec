#!/usr/bin/env bash
# Builds in build-asan/ with AddressSanitizer, UndefinedBehaviorSanitizer and
# LeakSanitizer and runs the whole test suite there. Any report fails the
# run. Extra arguments go to ctest (for example: scripts/sanitize.sh -R tst_stores).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/setup.sh"

yavo_install_packages "$root/scripts/packages.txt"

# Set before building: the build runs some of its own programs (the tutor's
# keyboard pictures), sanitized like the rest.
export QT_QPA_PLATFORM=offscreen
# The SQL driver test preloads the system's plain SQLite into a probe process
# to show the driver refuses it; the sanitizer runtime then no longer comes
# first in the library list, which is expected there and harmless.
export ASAN_OPTIONS="detect_leaks=1:verify_asan_link_order=0:detect_stack_use_after_return=1:check_initialization_order=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$root/scripts/lsan.supp:print_suppressions=0"
build="$root/build-asan"
flags="-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all"
yavo_configure_and_build "$root" "$build" \
    -DCMAKE_BUILD_TYPE=Debug \
    -DYAVO_BUILD_BENCHMARKS=OFF \
    -DCMAKE_CXX_FLAGS="$flags" \
    -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
    -DCMAKE_SHARED_LINKER_FLAGS="-fsanitize=address,undefined" \
    -DCMAKE_MODULE_LINKER_FLAGS="-fsanitize=address,undefined"

cd "$build"
ctest --output-on-failure --parallel "$(yavo_jobs)" "$@"
