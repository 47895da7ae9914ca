#!/usr/bin/env bash
# Installs, with apt, whatever the build, the tests and the demo need and the machine lacks:
# a C++20 toolchain (g++, and clang 14 with its sanitizer and libFuzzer runtimes), CMake,
# GoogleTest, Google Benchmark and Firebird 3 (embedded engine, isql, client library, headers
# and ib_util).
set -euo pipefail
packages=(g++ clang-14 libclang-rt-14-dev llvm-14 cmake make libgtest-dev libbenchmark-dev
          firebird3.0-server-core firebird3.0-utils firebird-dev libib-util libfbclient2)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" > /dev/null
