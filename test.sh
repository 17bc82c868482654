#!/usr/bin/env bash
# Installs what the tests need, builds in build/ and runs every test (widgets on Qt's offscreen
# platform). Exits non-zero when anything fails.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/common.sh

qnt_install_packages "${QNT_RUNTIME_PACKAGES[@]}" "${QNT_TEST_PACKAGES[@]}"
qnt_build build

export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure --parallel "$(nproc)" --timeout 300

# A short smoke run of every fuzz target (clang builds them in build-fuzz/).
fuzz/run.sh 5
