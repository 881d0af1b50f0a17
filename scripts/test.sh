#!/usr/bin/env bash
# Runs every test from a fresh machine: installs what is missing, then builds
# and tests the native debug build, the sanitizer build and the release build
# (which also builds the benchmarks).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh native

for preset in native sanitize native-release; do
  echo "== $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  ctest --preset "$preset"
done
