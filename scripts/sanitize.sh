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
# Mesa's GLX driver keeps 128 bytes of every program that makes an X window
# and is unloaded before LeakSanitizer can name it (no suppression matches
# an unnamed module). Nothing here draws with OpenGL (the tutor's scene
# graph is the software one), so the X tests run without Qt's GLX plug-in.
export QT_XCB_GL_INTEGRATION=none
build="$root/build-asan"
flags="-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all"
yavo_configure_and_build "$root" "$build" \
    -DCMAKE_BUILD_TYPE=Debug \
    -DYAVO_BUILD_BENCHMARKS=OFF \
    -DCMAKE_CXX_FLAGS="$flags" \
    -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
    -DCMAKE_SHARED_LINKER_FLAGS="-fsanitize=address,undefined" \
    -DCMAKE_MODULE_LINKER_FLAGS="-fsanitize=address,undefined"

# The seeded soak tests of the editing widgets run long here, with several
# seeds (a failure names the seed and step to replay).
export YAVO_SOAK_STEPS="${YAVO_SOAK_STEPS:-4000}"
export YAVO_SOAK_SEED="${YAVO_SOAK_SEED:-1,2,3}"

cd "$build"
ctest --output-on-failure --parallel "$(yavo_jobs)" "$@"

# Qt itself is not instrumented, so the sanitizers do not see it write
# through a pointer that our code left dangling inside it (a text cursor
# dropped while the document walks its cursors). The tests that replace and
# edit the editor's document hardest run once more under valgrind's
# memcheck, on the plain build; only with the whole suite, not with a
# selection of tests.
[ $# -eq 0 ] || exit 0
plain="$root/build"
yavo_configure_and_build "$root" "$plain"
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
memcheck() {
    echo "== memcheck: $*"
    env -u ASAN_OPTIONS -u UBSAN_OPTIONS -u LSAN_OPTIONS HOME="$home" XDG_CONFIG_HOME="$home/.config" \
        XDG_DATA_HOME="$home/.local/share" XDG_CACHE_HOME="$home/.cache" IBUS_ADDRESS= \
        valgrind --quiet --error-exitcode=1 "$@"
}
YAVO_SOAK_STEPS=3000 YAVO_SOAK_SEED=1,2 memcheck "$plain/tests/editor/tst_editingsoak" documentEditor
memcheck "$plain/tests/app/tst_replaceddocument"
