#!/usr/bin/env bash
# Builds the libFuzzer target of the metafile readers with clang (address and undefined
# behaviour sanitizers) and runs it on a corpus seeded from data/.
#   tests/platform/metafile/fuzz.sh [seconds] [more libFuzzer options]
# The build and the corpus live in build-fuzz-metafile/ of the repository (ignored by git).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../../.." && pwd)
out=${GB_FUZZ_DIR:-$root/build-fuzz-metafile}
seconds=${1:-60}
shift || true
mkdir -p "$out/corpus" "$out/crashes"

cd "$root"
sources=(platform/metafile/*.cpp platform/Cp932.cpp platform/Desktop.cpp tests/platform/metafile/FuzzMetafile.cpp)
binary="$out/fuzz_metafile"
if [ ! -x "$binary" ] || [ -n "$(find "${sources[@]}" platform/metafile/*.h -newer "$binary" 2>/dev/null)" ]; then
  # shellcheck disable=SC2046
  clang++ -std=c++20 -O1 -g -fPIC -fno-omit-frame-pointer \
    -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
    -I"$root" $(pkg-config --cflags Qt6Widgets) \
    "${sources[@]}" -o "$binary" $(pkg-config --libs Qt6Widgets)
fi
cp -n "$here"/data/* "$out/corpus/" 2>/dev/null || true
# fontconfig keeps the patterns of Qt's font fallback queries for the life of the
# process; LeakSanitizer would report them as leaks of ours.
printf 'leak:libfontconfig\n' > "$out/lsan.supp"
export LSAN_OPTIONS="suppressions=$out/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
"$binary" -max_total_time="$seconds" -max_len=65536 -timeout=10 -rss_limit_mb=2048 \
  -artifact_prefix="$out/crashes/" -print_final_stats=1 "$@" "$out/corpus"
