#!/bin/sh
# Installs what a fresh Debian machine lacks to build and test both builds:
# cmake, g++, GoogleTest, mingw-w64 (i686 and x86_64), 32- and 64-bit Wine, clang with its
# sanitizer and fuzzer runtime, valgrind, cppcheck, clang-tidy, tmux and
# python3 (the end-to-end test driver).
# With --jdk it also installs a JDK when javac is missing.
# Skips whatever is present; runs unattended (as root, no standard input).
set -eu

need=""
SUDO=""
[ "$(id -u)" = 0 ] || SUDO=sudo
want() { dpkg -s "$1" >/dev/null 2>&1 || need="$need $1"; }

for p in cmake g++ make googletest libgtest-dev g++-mingw-w64-i686 g++-mingw-w64-x86-64 \
         clang libclang-rt-dev valgrind cppcheck clang-tidy tmux python3; do
    want "$p"
done
# Wine's 32-bit loader comes from the i386 architecture; the 64-bit one
# runs the win64 build where the kernel cannot run 32-bit programs.
want wine
want wine32:i386
want wine64
case "$need" in *wine*)
    dpkg --print-foreign-architectures | grep -qx i386 ||
        $SUDO dpkg --add-architecture i386 ;;
esac
if [ "${1:-}" = --jdk ] && ! command -v javac >/dev/null 2>&1; then
    need="$need default-jdk-headless"
fi

if [ -n "$need" ]; then
    echo "setup: installing$need"
    export DEBIAN_FRONTEND=noninteractive
    $SUDO apt-get update -qq </dev/null
    # shellcheck disable=SC2086
    $SUDO apt-get install -y -qq --no-install-recommends $need </dev/null
fi
