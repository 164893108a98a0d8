#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test twice: once in an optimised gcc build,
# once in a clang build with address and undefined-behaviour sanitizers that also runs the fuzz targets.
# --quick: install, configure and check the packages, build both programs, and stop there.
set -euo pipefail
cd "$(dirname "$0")"
quick=0
[ "${1:-}" = "--quick" ] && quick=1
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
# Tests and benchmarks on explicitly: ./run.sh configures the same build folder without them.
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKVQ_TESTS=ON -DKVQ_BENCH=ON >/dev/null
scripts/check-build-packages.sh build
if [ "$quick" -eq 1 ]; then
  cmake --build build -j "$jobs" --target kvq-commander kvq-wmbus
  echo "== both programs built (quick)"
  exit 0
fi
echo "== English translation complete"
python3 scripts/check-translations.py --self-test
python3 scripts/check-translations.py
cmake --build build -j "$jobs"
ctest --test-dir build -j "$jobs" --output-on-failure --no-tests=error

echo "== clang sanitizer and fuzz build"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_C_COMPILER=clang-14 \
  -DCMAKE_CXX_COMPILER=clang++-14 -DKVQ_SANITIZE=ON -DKVQ_FUZZ=ON -DKVQ_TESTS=ON -DKVQ_BENCH=OFF >/dev/null
scripts/check-build-packages.sh build-asan
cmake --build build-asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-asan -j "$jobs" --output-on-failure --no-tests=error
echo "== all tests passed"
