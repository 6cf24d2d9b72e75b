#!/usr/bin/env bash
# Sets up, builds and runs every test headless. Tests that need root and loop
# devices skip themselves elsewhere.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/build.sh
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure
