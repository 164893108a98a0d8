#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test twice: once in an optimised gcc build,
# once in a clang build with address and undefined-behaviour sanitizers that also runs the fuzz targets.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

echo "== layer check"
if grep -rEn '#\s*include\s*[<"](QtWidgets|QtGui|QWidget|QApplication|QSerialPort)' src/core; then
  echo "src/core must not include GUI or serial-port headers" >&2; exit 1
fi

echo "== visible texts through tr()"
python3 scripts/check-tr.py --self-test
python3 scripts/check-tr.py

echo "== gcc build"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$jobs"
ctest --test-dir build -j "$jobs" --output-on-failure

echo "== clang sanitizer and fuzz build"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_C_COMPILER=clang-14 \
  -DCMAKE_CXX_COMPILER=clang++-14 -DKVQ_SANITIZE=ON -DKVQ_FUZZ=ON -DKVQ_BENCH=OFF >/dev/null
cmake --build build-asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-asan -j "$jobs" --output-on-failure
echo "== all tests passed"
