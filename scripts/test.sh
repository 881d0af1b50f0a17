#!/usr/bin/env bash
# Runs every test from a fresh machine: installs what is missing, then builds
# and tests the native debug build, the sanitizer build, the release build
# (which also builds the benchmarks) and the Windows build, whose tests run
# under Wine with Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh native windows

for preset in native sanitize native-release windows; do
  echo "== $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  ctest --preset "$preset"
done
