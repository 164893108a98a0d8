#!/usr/bin/env bash
# Installs what is missing, builds KVQ Commander and starts it. Arguments go to the program
# (--demo: simulated devices and receiver instead of real serial ports).
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh --gui
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKVQ_TESTS=OFF -DKVQ_BENCH=OFF >/dev/null
# The command-line tool is a bonus here: if only it fails to build, still start the program.
cmake --build build --target kvq-commander kvq-wmbus || cmake --build build --target kvq-commander
exec build/bin/kvq-commander "$@"
