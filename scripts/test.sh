#!/usr/bin/env bash
# Runs every test: the unit tests and the SQL tests through an embedded Firebird engine in a
# normal build, then the unit tests again under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
jobs=$(nproc 2>/dev/null || echo 2)

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRINDLE_TESTS=ON -DBRINDLE_INTEGRATION=ON -DBRINDLE_BENCH=ON > /dev/null
cmake --build build -j "$jobs"
(cd build && ctest --output-on-failure -j "$jobs")

cmake -S . -B build-san -DCMAKE_BUILD_TYPE=Debug -DBRINDLE_TESTS=ON -DBRINDLE_SANITIZE=ON -DBRINDLE_INTEGRATION=OFF -DBRINDLE_BENCH=OFF > /dev/null
cmake --build build-san -j "$jobs"
(cd build-san && ctest --output-on-failure -j "$jobs")
