#!/usr/bin/env bash
# Installs what is missing, builds Telmaris and starts it. An argument names the program
# directory (the folder with Telmaris.mdb); without one the build's program directory is used.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build
exec ./build/telmaris/telmaris "$@"
