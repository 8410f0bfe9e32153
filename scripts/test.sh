#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test under Wine with the
# Japanese locale and a private X display; ends with CTest's summary.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/wine-rig.sh"
rig_build_and_start verbose
build_dir=$BUILD_DIR

# Tests share machine-wide names (the mascot's mutexes), so they run one at a time.
ctest --test-dir "$build_dir" --output-on-failure --timeout 120 "$@"
