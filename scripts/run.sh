#!/usr/bin/env bash
# Sets up, builds and starts Velmora.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/build.sh
exec ./build/app/velmora "$@"
