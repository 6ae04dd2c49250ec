#!/usr/bin/env bash
# Installs what is missing, builds in build/ and starts one of the programs
# with the given arguments (for example: scripts/run.sh YavoIME).
set -euo pipefail
if [ $# -lt 1 ]; then
    echo "usage: $0 PROGRAM [ARGS...]   (yavo-pad, YavoIME, YavoTypingTutor)" >&2
    exit 2
fi
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/setup.sh"

yavo_install_packages "$root/scripts/packages.txt"
yavo_configure_and_build "$root" "$root/build"

program="$root/build/bin/$1"
shift
if [ ! -x "$program" ]; then
    echo "$program was not built" >&2
    exit 1
fi
exec "$program" "$@"
