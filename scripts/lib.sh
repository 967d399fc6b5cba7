# Shared by ./run, ./test and tests/fuzz/run: install what is missing, configure, build, fuzz.
# Sourced, not run.

VELMOR_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

# Each command installs what it needs and no more, so that a fresh machine's first `./test`
# fetches no compiler it does not run. Building and running the program (./run):
VELMOR_RUN_PACKAGES=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-serialport-dev qt6-translations-l10n libgl-dev
    qt6-l10n-tools
    libqt6sql6-sqlite libqt6sql6-psql libpq-dev libtomlplusplus-dev
    fonts-liberation fonts-dejavu-core
    help2man
)
# ./test builds the tests too and checks the format before the build...
VELMOR_TEST_BUILD_PACKAGES=("${VELMOR_RUN_PACKAGES[@]}" libgtest-dev libgmock-dev clang-format lld)
# ...and installs what only the tests run while the compiler is busy: a virtual display and
# xdotool, pdftotext, a PostgreSQL server of each case's own, headless Chromium.
VELMOR_TEST_RUN_PACKAGES=(xvfb xauth xdotool poppler-utils postgresql chromium)
# ./test --full adds the sanitizer tree's compiler and the fuzzer's runtime.
VELMOR_FULL_PACKAGES=(clang libclang-rt-14-dev)
# bench/run adds Google Benchmark; scripts/test-package adds lintian.
VELMOR_BENCH_PACKAGES=("${VELMOR_TEST_BUILD_PACKAGES[@]}" "${VELMOR_TEST_RUN_PACKAGES[@]}"
    libbenchmark-dev)
VELMOR_PACKAGE_PACKAGES=("${VELMOR_RUN_PACKAGES[@]}" lintian)

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# install_missing PACKAGE...: installs those of the packages that are not installed.
install_missing() {
    local missing=()
    local pkg
    for pkg in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$pkg")
        fi
    done
    if [ "${#missing[@]}" -gt 0 ]; then
        echo "Installing: ${missing[*]}"
        if [ -z "${VELMOR_APT_UPDATED:-}" ]; then
            as_root env DEBIAN_FRONTEND=noninteractive apt-get update -qq
            VELMOR_APT_UPDATED=1
        fi
        as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
    fi
}

# A compiler cache where the machine keeps one (a warm one halves a build); never needed.
compiler_cache() {
    if command -v ccache >/dev/null; then
        echo "-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"
    fi
}

# build_tree DIR [cmake options...]
build_tree() {
    local dir="$1"
    shift
    cmake -S "$VELMOR_ROOT" -B "$VELMOR_ROOT/$dir" -G Ninja $(compiler_cache) "$@" >/dev/null
    cmake --build "$VELMOR_ROOT/$dir" --parallel "$(nproc)"
}

# The test trees link with lld: the 22 programs and suites of a tree link in a third of the time
# of the default linker (gcc tree 26 -> 6 s of processor time, sanitizer tree 48 -> 15 s).
VELMOR_TEST_LINKER=(-DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=lld)

# The ASan+UBSan tree: clang, unoptimised, with the reply fuzzer built beside the tests from the
# same libraries (./test and tests/fuzz/run share it; the libraries the fuzzer drives carry its
# coverage, tests/fuzz/CMakeLists.txt). It builds what its tests and the fuzzer run, not the
# package's manual pages.
VELMOR_SANITIZER_TREE=(
    -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-g1 -DCMAKE_CXX_COMPILER=clang++
    -DVELMOR_SANITIZE=ON -DVELMOR_FUZZ=ON -DVELMOR_BENCH=OFF -DVELMOR_PACKAGE=OFF
    "${VELMOR_TEST_LINKER[@]}"
)

# configure_sanitizer_tree DIR: a tree made by an earlier compiler is started afresh, since CMake
# cannot switch compilers in place.
configure_sanitizer_tree() {
    local dir="$VELMOR_ROOT/$1"
    if [ -f "$dir/CMakeCache.txt" ] && ! grep -q '^CMAKE_CXX_COMPILER:.*clang' "$dir/CMakeCache.txt"; then
        rm -rf "$dir"
    fi
    cmake -S "$VELMOR_ROOT" -B "$dir" -G Ninja $(compiler_cache) "${VELMOR_SANITIZER_TREE[@]}" >/dev/null
}

# run_fuzzer DIR [SECONDS [libFuzzer options...]]: becomes the built reply fuzzer of tree DIR, for
# 30 s by default (0: no time limit). New inputs go to a corpus of the tree's own; the seeds in the
# repository stay as they are.
run_fuzzer() {
    local tree="$VELMOR_ROOT/$1"
    local seconds="${2:-30}"
    shift $(($# < 2 ? $# : 2))
    mkdir -p "$tree/corpus" "$tree/findings"
    local limit=()
    if [ "$seconds" != 0 ]; then
        limit=(-max_total_time="$seconds")
    fi
    export QT_QPA_PLATFORM=offscreen
    # A smaller quarantine keeps a long run well below the RSS limit; use-after-free is still caught.
    export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1:quarantine_size_mb=64
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    exec "$tree/bin/reply_fuzzer" "${limit[@]}" -print_final_stats=1 \
        -artifact_prefix="$tree/findings/" "$@" "$tree/corpus" "$VELMOR_ROOT/tests/fuzz/corpus"
}
