#!/usr/bin/env bash
# Builds the album file fuzzer with clang's libFuzzer and runs it.
#   tests/album/fuzz/fuzz.sh [seconds]   (default 60)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
top=$(cd "$here/../../.." && pwd)
out=${FUZZ_OUT:-/tmp/glimmerbox-album-fuzz}
mkdir -p "$out/corpus"
clang++ -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -I"$top" \
  "$here/AlbumFileFuzzer.cpp" "$top/album/AlbumFileFormat.cpp" "$top/platform/Cp932.cpp" \
  "$top/platform/Conventions.cpp" -o "$out/album_fuzzer"
# A few well-formed files to start from.
cp "$here"/seeds/* "$out/corpus/" 2>/dev/null || true
"$out/album_fuzzer" -max_total_time="${1:-60}" -rss_limit_mb=512 -malloc_limit_mb=256 "$out/corpus"
