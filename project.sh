#!/usr/bin/env bash
# One entry point for people and CI: installs what is missing, builds, then runs, tests,
# measures, installs or packages.
#   ./project.sh run [tavisto|quennet] [ARGS...]   start a program (needs a desktop session)
#   ./project.sh test [--sanitize]                  run every test (offscreen, no display needed)
#   ./project.sh examples                           build the example school weeks into build-examples/
#   ./project.sh bench                              start-up of both programs, overview and save timings
#   ./project.sh install [PREFIX]                   install stripped Release programs (default /usr/local)
#   ./project.sh package                            build the Debian package and check it
#   ./project.sh pictures                           redraw the generated icons and pictures
#   ./project.sh screenshots                        retake the screenshots in docs/ under Xvfb
set -euo pipefail
cd "$(dirname "$0")"

BUILD_PACKAGES=(cmake g++ ninja-build qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins
                libjpeg62-turbo-dev fonts-noto-cjk fonts-arphic-ukai fonts-arphic-uming
                qt6-translations-l10n qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools)
TEST_PACKAGES=(libqt6test6 clang-format desktop-file-utils appstream shared-mime-info
               locales)
PACKAGE_PACKAGES=(dpkg-dev file lintian)

SUDO=()
((EUID == 0)) || SUDO=(sudo)

install_missing() {
  local missing=()
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    "${SUDO[@]}" apt-get update -qq
    "${SUDO[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
  fi
}

# The tests that need the Chinese locale run under zh_CN.UTF-8.
ensure_zh_locale() {
  locale -a 2>/dev/null | grep -qi '^zh_CN.utf-\?8$' && return
  grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' | "${SUDO[@]}" tee -a /etc/locale.gen >/dev/null
  "${SUDO[@]}" locale-gen >/dev/null
}

build() {
  local dir=$1; shift
  cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
  cmake --build "$dir"
}

release_build() {
  build build-release -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
}

command=${1:-}
case "$command" in
  run)
    install_missing "${BUILD_PACKAGES[@]}"
    build build
    program=${2:-tavisto}
    shift $(($# < 2 ? $# : 2))
    exec "build/$program/$program" "$@"
    ;;
  test)
    install_missing "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
    ensure_zh_locale
    if [[ ${2:-} == --sanitize ]]; then
      build build-sanitize -DSANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
      ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        ctest --test-dir build-sanitize --output-on-failure
    else
      build build
      ctest --test-dir build --output-on-failure
    fi
    ;;
  examples)
    # Made afresh each time with the programs' own import, so that the walkthrough edits a copy
    # and the tables in examples/ stay as they are.
    install_missing "${BUILD_PACKAGES[@]}"
    build build
    rm -rf build-examples
    mkdir -p build-examples/quennet-drive/dsdata
    build/tavisto/tavisto --import examples/tavisto-school-week.csv build-examples/school.mtf
    build/quennet/quennet --import examples/quennet-school-week.csv build-examples/quennet-drive/dsdata/userds.kqd
    echo "Made build-examples/school.mtf and the drive folder build-examples/quennet-drive/:"
    echo "  ./project.sh run tavisto build-examples/school.mtf"
    echo "  ./project.sh run quennet --drive-c build-examples/quennet-drive"
    ;;
  bench)
    install_missing "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}" xvfb xauth libxcb1-dev
    ensure_zh_locale
    build build-bench -DCMAKE_BUILD_TYPE=Release
    for bench in build-bench/tavisto/tavisto_bench build-bench/quennet/quennet_bench; do
      LANGUAGE= LC_ALL=zh_CN.UTF-8 xvfb-run -a "$bench"
    done
    ;;
  install)
    install_missing "${BUILD_PACKAGES[@]}"
    release_build
    "${SUDO[@]}" cmake --install build-release --strip --prefix "${2:-/usr/local}"
    ;;
  package)
    install_missing "${BUILD_PACKAGES[@]}" "${PACKAGE_PACKAGES[@]}"
    release_build
    (cd build-release && cpack -G DEB)
    tools/check-package.sh build-release/*.deb
    ;;
  pictures)
    install_missing "${BUILD_PACKAGES[@]}" qt6-svg-dev
    build build
    cmake --build build --target tavisto_pictures quennet_pictures
    ;;
  screenshots)
    install_missing "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}" xvfb xauth poppler-utils
    build build
    cmake --build build --target tavisto_screenshots quennet_screenshots
    shoot() { xvfb-run -a -s "-screen 0 1920x1080x24" env QT_QPA_PLATFORM=xcb "$@"; }
    variants=$(mktemp -d)
    for program in tavisto quennet; do
      tool=build/tools/$program/${program}_screenshots
      shoot "$tool" "docs/$program"
      mkdir "$variants/$program"
      shoot "$tool" "$variants/$program" --dark --suffix -dark
      shoot "$tool" "$variants/$program" --scale 2 --suffix -2x
    done
    # Only the variants the guides show are kept.
    for picture in tavisto/{music-dark,about-dark,music-2x,overview-2x,week-plan-dark,week-plan-2x} \
                   quennet/{editor-music-dark,check-list-dark,editor-radio-2x,week-plan-dark,week-plan-2x}; do
      cp "$variants/$picture.png" "docs/$picture.png"
    done
    rm -rf "$variants"
    # The first page of the overview's printout, as the user guide shows it.
    pdftoppm -png -r 60 -f 1 -l 1 -singlefile docs/tavisto/printout.pdf docs/tavisto/printout
    rm docs/tavisto/printout.pdf
    ;;
  *)
    sed -n '4,12p' "$0"
    exit 2
    ;;
esac
