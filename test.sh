#!/usr/bin/env bash
# Installs what is missing, builds Telmaris and runs every test headless.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
here=$(pwd)

# The release build and every test, the window walks included.
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DTELMARIS_WERROR=ON
cmake --build build
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 300 "$@")

# The same tests on a debug build with AddressSanitizer and UndefinedBehaviorSanitizer: the
# first finding ends the test that met it. Leaks inside Qt and fontconfig only are suppressed
# (tests/sanitizers/lsan.supp). Each walk goes once here: its repetitions, which catch timing
# faults, ran on the release build, and the sanitizers find a memory fault on the first pass.
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTELMARIS_SANITIZE=ON \
  -DTELMARIS_WERROR=ON
cmake --build build-sanitize
(cd build-sanitize &&
  QT_QPA_PLATFORM=offscreen \
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
  LSAN_OPTIONS="suppressions=$here/tests/sanitizers/lsan.supp:print_suppressions=0" \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  TELMARIS_WALK_REPETITIONS=1 \
  ctest --output-on-failure --timeout 600 "$@")

# Every C++ file in the project's own format.
./scripts/check-format.sh
