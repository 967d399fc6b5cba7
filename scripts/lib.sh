# Shared by ./run and ./test: install what is missing, then configure and build.
# Sourced, not run.

VELMOR_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

VELMOR_PACKAGES=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-serialport-dev qt6-translations-l10n libgl-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    clang libclang-rt-14-dev
    xvfb xauth fonts-liberation fonts-dejavu-core
    poppler-utils
    postgresql libqt6sql6-sqlite libqt6sql6-psql
)

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

install_missing() {
    local missing=()
    local pkg
    for pkg in "${VELMOR_PACKAGES[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$pkg")
        fi
    done
    if [ "${#missing[@]}" -gt 0 ]; then
        echo "Installing: ${missing[*]}"
        as_root env DEBIAN_FRONTEND=noninteractive apt-get update -qq
        as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
    fi
}

# build_tree DIR [cmake options...]
build_tree() {
    local dir="$1"
    shift
    cmake -S "$VELMOR_ROOT" -B "$VELMOR_ROOT/$dir" -G Ninja "$@" >/dev/null
    cmake --build "$VELMOR_ROOT/$dir" --parallel "$(nproc)"
}
