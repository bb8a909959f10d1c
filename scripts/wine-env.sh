# Sourced by the scripts that run Windows programs: one wine prefix per machine (its first
# creation takes a few minutes, so it is kept outside the build folder and reused), and one
# Xvfb display for the windows the tests open.
export WINEPREFIX="${ZARL_WINEPREFIX:-$HOME/.cache/zarl-stats/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
# No .NET or HTML engine: the plug-in needs neither, and installing them needs the network.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree=;mshtml=}"
WINE64=/usr/lib/wine/wine64
WINE32=/usr/lib/wine/wine

ensure_wine_prefix() {
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "wine: creating the prefix $WINEPREFIX (takes a few minutes once)"
    mkdir -p "$(dirname "$WINEPREFIX")"
    "$WINE64" wineboot -i >/dev/null 2>&1
    /usr/lib/wine/wineserver -w
  fi
}

ensure_display() {
  export DISPLAY="${ZARL_DISPLAY:-:99}"
  if ! xdpyinfo -display "$DISPLAY" >/dev/null 2>&1; then
    Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    for _ in $(seq 1 50); do
      xdpyinfo -display "$DISPLAY" >/dev/null 2>&1 && break
      sleep 0.1
    done
  fi
}

# Windows path of a Linux path, for arguments handed to Windows programs.
winpath() { echo "Z:$(realpath "$1" | sed 's#/#\\#g')"; }
