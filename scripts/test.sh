#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test under Wine with the
# Japanese locale and a private X display; ends with CTest's summary.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build_dir=${BUILD_DIR:-$root/build}
export BUILD_DIR=$build_dir

bash "$root/scripts/build.sh"

source "$root/scripts/wine-rig.sh"
trap rig_stop EXIT
rig_start "$build_dir"

# Tests share machine-wide names (the mascot's mutexes), so they run one at a time.
ctest --test-dir "$build_dir" --output-on-failure --timeout 120 "$@"
