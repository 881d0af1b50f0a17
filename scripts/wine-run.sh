#!/usr/bin/env bash
# Runs one Windows program under Wine and returns its exit status (cut to
# 8 bits by Wine).  CTest uses it as the emulator of the cross build.
#
#   wine-run.sh PROGRAM.exe [ARGS...]
#
# Each run gets its own copy of the template prefix (wine-prefix.sh), so runs
# cannot see each other's registry or wineserver, and nothing is left behind.
# Without a DISPLAY an Xvfb server is started for the run; AMBRIX_XVFB_DISPLAY
# names an already running one to share instead.
#
#   AMBRIX_WINE_TIMEOUT  seconds before the program is killed (default 300; 0: never)
#   AMBRIX_WINE_KEEP=1   keep the prefix copy for a post-mortem
set -uo pipefail

if [ $# -lt 1 ]; then
  echo "usage: wine-run.sh PROGRAM.exe [ARGS...]" >&2
  exit 2
fi

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
program="$1"
shift

export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

prefix=""
xvfb_pid=""
program_pid=""
cleanup() {
  if [ -n "$program_pid" ]; then
    kill "$program_pid" 2>/dev/null  # timeout passes it on to the program
  fi
  if [ -n "$prefix" ]; then
    WINEPREFIX="$prefix" wineserver -k 2>/dev/null
    # wineserver -k signals and returns; wait for it to let go of the files.
    WINEPREFIX="$prefix" wineserver -w 2>/dev/null
    if [ "${AMBRIX_WINE_KEEP:-0}" = 1 ]; then
      echo "wine-run.sh: prefix kept in $prefix" >&2
    else
      rm -rf "$(dirname "$prefix")"
    fi
  fi
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null
    wait "$xvfb_pid" 2>/dev/null
  fi
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

prefix="$("$here/wine-prefix.sh")" || exit 1
export WINEPREFIX="$prefix"

if [ -n "${AMBRIX_XVFB_DISPLAY:-}" ]; then
  export DISPLAY="$AMBRIX_XVFB_DISPLAY"
elif [ -z "${DISPLAY:-}" ]; then
  # Xvfb picks a free display number itself and writes it to the pipe.
  display_file="$(dirname "$prefix")/display"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$display_file" 2>/dev/null &
  xvfb_pid=$!
  for _ in $(seq 100); do
    [ -s "$display_file" ] && break
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.05
  done
  if [ ! -s "$display_file" ]; then
    echo "wine-run.sh: Xvfb did not start" >&2
    exit 1
  fi
  export DISPLAY=":$(head -n1 "$display_file")"
fi

# In the background, so that a TERM from CTest reaches the trap at once:
# bash holds traps back until a foreground command ends.
timeout --kill-after=10 "${AMBRIX_WINE_TIMEOUT:-300}" wine "$program" "$@" &
program_pid=$!
wait "$program_pid"
status=$?
program_pid=""
[ $status -ne 124 ] || echo "wine-run.sh: $program timed out" >&2
exit $status
