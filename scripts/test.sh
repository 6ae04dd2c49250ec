#!/usr/bin/env bash
# Installs what is missing, builds in build/ and runs every test headless.
# Extra arguments go to ctest (for example: scripts/test.sh -R tst_utils).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/setup.sh"

yavo_install_packages "$root/scripts/packages.txt"
yavo_configure_and_build "$root" "$root/build"

export QT_QPA_PLATFORM=offscreen
cd "$root/build"
ctest --output-on-failure --parallel "$(yavo_jobs)" "$@"
