#!/usr/bin/env bash
# Sets up, builds and runs Glimmerbox. With no folder it opens a writable copy of
# the sample album. Without a display it runs inside a virtual X server.
set -euo pipefail
top=$(cd "$(dirname "$0")" && pwd)
"$top/scripts/build"

if [ $# -eq 0 ]; then
  data="${XDG_DATA_HOME:-$HOME/.local/share}/glimmerbox"
  if [ ! -d "$data/サンプル アルバム" ]; then
    mkdir -p "$data"
    cp -r "$top/samples/album" "$data/サンプル アルバム"
  fi
  set -- "$data/サンプル アルバム"
fi

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$top/build/bin/glimmerbox" "$@"
fi
exec "$top/build/bin/glimmerbox" "$@"
