#!/usr/bin/env bash
# One entry point for people and CI: installs what is missing, builds, then runs, tests or measures.
#   ./project.sh run [tavisto|quennet]   start a program (needs a desktop session)
#   ./project.sh test [--sanitize]       run every test (offscreen, no display needed)
#   ./project.sh bench                   start-up, overview and save timings of Tavisto
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(cmake g++ ninja-build qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libqt6test6
          libjpeg62-turbo-dev fonts-noto-cjk fonts-arphic-ukai fonts-arphic-uming)

install_missing() {
  local missing=()
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
  fi
}

build() {
  local dir=$1; shift
  cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
  cmake --build "$dir"
}

command=${1:-}
case "$command" in
  run)
    install_missing "${PACKAGES[@]}"
    build build
    program=${2:-tavisto}
    exec "build/$program/$program"
    ;;
  test)
    install_missing "${PACKAGES[@]}"
    if [[ ${2:-} == --sanitize ]]; then
      build build-sanitize -DSANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
      ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        ctest --test-dir build-sanitize --output-on-failure
    else
      build build
      ctest --test-dir build --output-on-failure
    fi
    ;;
  bench)
    install_missing "${PACKAGES[@]}" xvfb xauth libxcb1-dev
    build build -DCMAKE_BUILD_TYPE=Release
    xvfb-run -a build/tavisto/tavisto_bench
    ;;
  *)
    sed -n '2,5p' "$0"
    exit 2
    ;;
esac
