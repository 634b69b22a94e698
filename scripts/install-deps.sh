#!/usr/bin/env bash
# Installs with apt-get what this machine lacks for the named parts of the
# suite; with no names, for all of them. Every install step of the project
# lives here: .ci/run, scripts/test.sh and each stage of scripts/test.d call
# it for what they need, so each of them also works on a fresh machine.
#   build     CMake, a C++ compiler, GoogleTest
#   windows   MinGW-w64 (both word sizes), Wine with its 32-bit part, Xvfb
#   fuzz      clang with the libFuzzer run-time
#   valgrind  Valgrind
#   bench     Google Benchmark (the bench preset, scripts/profile.sh, scripts/instructions.sh)
#   coverage  gcovr (scripts/coverage.sh)
#   pictures  ImageMagick (scripts/screenshots.sh)
set -euo pipefail

parts=("$@")
[ ${#parts[@]} -gt 0 ] || parts=(build windows fuzz valgrind)

packages=()
need_i386=false
has() { command -v "$1" >/dev/null 2>&1; }
fuzzer_links() {
  has clang++ && echo 'extern "C" int LLVMFuzzerTestOneInput(const char*, unsigned long) { return 0; }' |
    clang++ -fsanitize=fuzzer -x c++ - -o /dev/null >/dev/null 2>&1
}

for part in "${parts[@]}"; do
  case $part in
    build)
      has cmake || packages+=(cmake)
      has g++ || packages+=(g++)
      [ -e /usr/include/gtest/gtest.h ] || packages+=(libgtest-dev)
      [ -d /usr/src/googletest ] || packages+=(googletest)
      ;;
    windows)
      [ -d /usr/src/googletest ] || packages+=(googletest)
      has i686-w64-mingw32-g++-posix && has x86_64-w64-mingw32-g++-posix ||
        packages+=(g++-mingw-w64 binutils-mingw-w64)
      has wine || packages+=(wine wine64)
      # The product is a 32-bit DLL: Wine's 32-bit part runs its tests.
      if ! dpkg -s wine32:i386 >/dev/null 2>&1; then
        packages+=(wine32:i386)
        need_i386=true
      fi
      has xvfb-run || packages+=(xvfb xauth)
      ;;
    fuzz)
      fuzzer_links || packages+=(clang libclang-rt-dev)
      ;;
    valgrind)
      has valgrind || packages+=(valgrind)
      ;;
    bench)
      [ -e /usr/include/benchmark/benchmark.h ] || packages+=(libbenchmark-dev)
      ;;
    coverage)
      has gcovr || packages+=(gcovr)
      ;;
    pictures)
      has import || packages+=(imagemagick)
      ;;
    *)
      echo "install-deps: unknown part '$part' (build, windows, fuzz, valgrind, bench, coverage, pictures)" >&2
      exit 2
      ;;
  esac
done

[ ${#packages[@]} -gt 0 ] || exit 0
if [ "$(id -u)" -ne 0 ]; then
  echo "install-deps: missing ${packages[*]}; run this script as root to install them" >&2
  exit 1
fi
echo "installing: ${packages[*]}"
if $need_i386 && ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
fi
apt-get update -q
DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${packages[@]}"
