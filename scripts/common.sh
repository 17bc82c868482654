# Shared by run.sh and test.sh: installs missing Debian packages (only those missing, so a second run
# installs nothing) and configures and builds the tree in build/ (incrementally).

# Packages the program needs to build and run.
QNT_RUNTIME_PACKAGES=(build-essential cmake ninja-build pkg-config qt6-base-dev qt6-base-dev-tools
                      libgl-dev libxkbcommon-dev fonts-dejavu-core fonts-liberation2)
# Further packages the test suite needs.
QNT_TEST_PACKAGES=(googletest libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev)

qnt_as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# qnt_install_packages PKG...: installs whichever of the packages is not installed yet.
qnt_install_packages() {
  local missing=() pkg
  for pkg in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$pkg")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  qnt_as_root env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  qnt_as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# qnt_build BUILD_DIR [CMAKE_ARGS...]: configures once, then builds what changed.
qnt_build() {
  local dir="$1"; shift
  if [ ! -f "$dir/CMakeCache.txt" ]; then
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
  fi
  cmake --build "$dir" --parallel "$(nproc)"
}
