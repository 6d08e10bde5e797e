#!/bin/sh
# Runs a command in a fresh Wine prefix of its own (64-bit), which is removed afterwards together
# with the Wine processes that served it: with-wine-prefix.sh COMMAND [ARGS...], e.g.
# with-wine-prefix.sh wine program.exe. The command's status is the script's. DOSECALC_WINE_DPI
# sets the prefix's screen resolution (LogPixels; 96 by default, 144 is Windows' 150 %);
# DOSECALC_WINE_UNMANAGED=1 leaves the windows to Wine instead of a window manager, of which a
# private Xvfb has none (Wine would wait 2 s for one at every window shown and hidden) and Wine then
# draws the frames itself. DOSECALC_WINE_VERSION names the Windows that Wine reports (win11, say),
# DOSECALC_WINE_DARK=1 sets the apps' dark mode, as Windows' settings do.
set -eu
WINEPREFIX=$(mktemp -d "${TMPDIR:-/tmp}/dosecalc-wine.XXXXXX")
export WINEPREFIX WINEARCH=win64
export WINEDEBUG="${WINEDEBUG:--all}"
# No Mono or Gecko to offer, and nothing written into the host's menus or file associations.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
trap 'wineserver -k 2>/dev/null || true; wineserver -w 2>/dev/null || true; rm -rf "$WINEPREFIX"' EXIT
wineboot --init >/dev/null 2>&1
if [ -n "${DOSECALC_WINE_DPI:-}" ]; then
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$DOSECALC_WINE_DPI" /f \
    >/dev/null 2>&1
fi
if [ "${DOSECALC_WINE_UNMANAGED:-}" = 1 ]; then
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
fi
if [ -n "${DOSECALC_WINE_VERSION:-}" ]; then
  wine winecfg /v "$DOSECALC_WINE_VERSION" >/dev/null 2>&1
fi
if [ "${DOSECALC_WINE_DARK:-}" = 1 ]; then
  wine reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\Themes\Personalize' /v AppsUseLightTheme \
    /t REG_DWORD /d 0 /f >/dev/null 2>&1
fi
wineserver -w
"$@"
