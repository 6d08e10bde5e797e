#!/bin/sh
# Runs a command in a fresh Wine prefix of its own (64-bit), which is removed afterwards together
# with the Wine processes that served it: with-wine-prefix.sh COMMAND [ARGS...], e.g.
# with-wine-prefix.sh wine program.exe. The command's status is the script's.
set -eu
WINEPREFIX=$(mktemp -d "${TMPDIR:-/tmp}/dosecalc-wine.XXXXXX")
export WINEPREFIX WINEARCH=win64
export WINEDEBUG="${WINEDEBUG:--all}"
# No Mono or Gecko to offer, and nothing written into the host's menus or file associations.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
trap 'wineserver -k 2>/dev/null || true; wineserver -w 2>/dev/null || true; rm -rf "$WINEPREFIX"' EXIT
wineboot --init >/dev/null 2>&1
wineserver -w
"$@"
