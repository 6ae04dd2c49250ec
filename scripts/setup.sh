#!/usr/bin/env bash
# Installs the Debian packages of scripts/packages.txt that are missing, and
# configures and builds. Sourced by test.sh, bench.sh and fuzz.sh; safe to run
# again and again.
set -euo pipefail

yavo_install_packages() {
    local list="$1"
    local wanted=() missing=()
    mapfile -t wanted < <(grep -v -E '^\s*(#|$)' "$list")
    for pkg in "${wanted[@]}"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' \
            || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing missing packages: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    export DEBIAN_FRONTEND=noninteractive
    $sudo apt-get update -qq
    $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# YAVO_JOBS caps the build and test jobs on a shared machine.
yavo_jobs() {
    if [ -n "${YAVO_JOBS:-}" ]; then echo "$YAVO_JOBS"; return; fi
    nproc 2>/dev/null || echo 2
}

yavo_configure_and_build() {
    local root="$1" build="$2"
    shift 2
    if [ ! -f "$build/CMakeCache.txt" ]; then
        # Rebuilds after a clean or in a fresh build folder reuse the
        # objects of earlier builds when ccache is there.
        local launcher=()
        if command -v ccache >/dev/null 2>&1; then
            launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
        fi
        cmake -S "$root" -B "$build" "${launcher[@]}" "$@"
    fi
    cmake --build "$build" --parallel "$(yavo_jobs)"
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
    root=$(cd "$(dirname "$0")/.." && pwd)
    yavo_install_packages "$root/scripts/packages.txt"
fi
