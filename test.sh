#!/usr/bin/env bash
# Sets up, builds and runs every test; ends with CTest's summary.
set -euo pipefail
top=$(cd "$(dirname "$0")" && pwd)
"$top/scripts/build"
cd "$top/build"
ctest --output-on-failure -j"$(nproc)" "$@"
