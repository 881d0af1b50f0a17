#!/usr/bin/env bash
# Builds Ambrix from a fresh machine and runs it.
#
#   scripts/run.sh [ARGS...]        the calculator from the command line (ambrix-calc);
#                                   without ARGS, an example budget
#   scripts/run.sh --windows        the Windows program, Ambrix.exe, under Wine on
#                                   this display
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "${1:-}" = "--windows" ]; then
  scripts/install-deps.sh windows >&2
  cmake --preset windows >/dev/null
  cmake --build --preset windows --target Ambrix >/dev/null
  if [ -z "${DISPLAY:-}" ]; then
    echo "run.sh: Ambrix.exe is a window and needs a display (DISPLAY is not set)" >&2
    exit 1
  fi
  # A user run has no time limit (0 turns the timeout off).
  AMBRIX_WINE_TIMEOUT=0 exec scripts/wine-run.sh build/windows/app/Ambrix.exe
fi

scripts/install-deps.sh native >&2
cmake --preset native-release >/dev/null
cmake --build --preset native-release --target ambrix-calc >/dev/null

if [ $# -eq 0 ]; then
  set -- --window 10 ms 20 mA --window 990 ms 5 uA --capacity 2000 mA/h
  echo "ambrix-calc $*" >&2
fi
exec build/native-release/cli/ambrix-calc "$@"
