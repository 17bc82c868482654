#!/usr/bin/env bash
# Installs what the program needs, builds it in build/ and starts it, passing the arguments on.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/common.sh

qnt_install_packages "${QNT_RUNTIME_PACKAGES[@]}" "${QNT_TEST_PACKAGES[@]}"
qnt_build build

if [ -x build/app/qnt-unit-convertor ]; then
  exec build/app/qnt-unit-convertor "$@"
elif [ -x build/cli/qnt ]; then
  exec build/cli/qnt "${@:---help}"
else
  echo "Built the kit; neither the window nor the command-line tool exists yet." >&2
fi
