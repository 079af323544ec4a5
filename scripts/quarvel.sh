#!/usr/bin/env bash
# Sets up a Debian 12 machine for Quarvel, builds it, then either starts the
# program or runs every test.
#   bash scripts/quarvel.sh run    install what is missing, build, start build/quarvel
#   bash scripts/quarvel.sh test   install what is missing, build, run the test suite
set -euo pipefail
cd "$(dirname "$0")/.."

action=${1:-}
case "$action" in
run | test) ;;
*)
    echo "usage: bash scripts/quarvel.sh run|test" >&2
    exit 2
    ;;
esac

packages=(
    cmake make g++ pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    libbenchmark-dev
    libdxflib-dev
    libtinygltf-dev assimp-utils
    python3-ezdxf poppler-utils
    fonts-dejavu-core fonts-liberation
    clang libclang-rt-14-dev
    desktop-file-utils libxml2-utils appstream shared-mime-info man-db dpkg-dev
)

# The glTF validator runs on Node.js: Debian's, unless the machine already
# has one (another nodejs package may carry npm within it).
if ! command -v node >/dev/null || ! command -v npm >/dev/null; then
    packages+=(nodejs npm)
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi

jobs=$(nproc 2>/dev/null || echo 2)
if [ "$action" = test ]; then
    cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUARVEL_WERROR=ON
    # The Khronos glTF validator (an npm library) for the model's export test.
    validator=build/gltf-validator
    if [ ! -d "$validator/node_modules/gltf-validator" ]; then
        npm install --prefix "$validator" --no-audit --no-fund gltf-validator@2.0.0-dev.3.10
    fi
    cmake --build build -j"$jobs"
    ctest --test-dir build --output-on-failure -j"$jobs"
else
    cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
    cmake --build build -j"$jobs"
    exec build/quarvel
fi
