#!/bin/sh
# Installs, with Debian's apt-get, whatever Debian package the test legs need
# and this machine lacks; the README's test command and .ci/run begin with
# it. Each package is checked by name with dpkg, so a line of the list below
# is all a new need takes. Prints nothing when all are there. When they
# cannot be installed (not root, no apt-get, apt-get fails) it prints one
# line naming the missing packages and exits 1. 32-bit Wine alone may be
# missing: it comes from Debian's i386 architecture, whose index is the first
# to fall behind while a mirror syncs, and without it only the 32-bit legs'
# runs under Wine are skipped, each leg saying why. Last, it has SQLite's
# amalgamation made for the emulator's Windows builds, once.
set -u

# One package a word; a '#' begins a comment.
wanted=$(sed 's/#.*//' <<'EOF'
# Building: CMake, Ninja, the C++ compiler, Python for the test scripts.
cmake ninja-build g++ python3
# The emulator's SQLite, the unit tests and the benchmarks.
libsqlite3-dev libgtest-dev libbenchmark-dev
# The transcripts again under valgrind's memcheck.
valgrind
# The fuzz targets: clang with its libFuzzer and sanitizer runtimes.
clang libclang-rt-14-dev
# The Windows legs: the mingw-w64 cross-compilers, Wine to run what they
# build, groff for the manual in the zips, make and tclsh to make SQLite's
# amalgamation for the emulator from its source package.
g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix wine wine64
groff-base make tcl
# The manual page check and the package test: man, dpkg-shlibdeps, lintian.
man-db dpkg-dev lintian
EOF
)
# Installed without the packages they recommend. QEMU runs the 32-bit
# Windows legs' Wine tests in a virtual machine where the kernel refuses
# 32-bit code (the tests fetch its kernel); it recommends a graphical front
# end and firmware that the machine does without, and three times the
# packages.
lean="qemu-system-x86"
# Installed on its own, and only worth a line when it cannot be: the 32-bit
# legs run their programs under it, and skip those runs without it.
wine32="wine32:i386"

installed() {
  [ "$(dpkg-query -W -f='${db:Status-Abbrev}' "$1" 2>/dev/null)" = "ii " ]
}

missing_packages() {
  missing=
  for package in $wanted $lean; do
    installed "$package" || missing="$missing $package"
  done
  echo "${missing# }"
}

give_up() {
  echo "$0: cannot install the packages the tests need ($1); missing: $2" >&2
  exit 1
}

if ! command -v dpkg-query >/dev/null 2>&1 || ! command -v apt-get >/dev/null 2>&1; then
  give_up "no apt-get: not a Debian system" "$wanted $lean"
fi

# One index that fails to update (a mirror caught half-way through a sync)
# leaves the others fresh, and those may hold every package wanted: a
# failure here is not fatal by itself, what dpkg lists afterwards decides.
# A sync takes minutes, so a few tries a short wait apart.
update_index() {
  for wait in 5 15 0; do
    apt-get update >>"$log" 2>&1 && return
    [ "$wait" -eq 0 ] || sleep "$wait"
  done
}

install_missing() {
  echo "$0: installing $missing"
  case " $missing " in
    *:i386\ *) dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386 ;;
  esac
  log=$(mktemp)
  export DEBIAN_FRONTEND=noninteractive
  full='' lean_missing='' wine32_missing=''
  for package in $missing; do
    case " $lean " in
      *" $package "*) lean_missing="$lean_missing $package" ;;
      *) if [ "$package" = "$wine32" ]; then wine32_missing=$package; else full="$full $package"; fi ;;
    esac
  done
  update_index
  # shellcheck disable=SC2086  # one word per package
  { [ -z "$full" ] || apt-get install -y $full; } >>"$log" 2>&1
  # shellcheck disable=SC2086
  { [ -z "$lean_missing" ] || apt-get install -y --no-install-recommends $lean_missing; } \
    >>"$log" 2>&1
  # Alone, so that it cannot hold the others back.
  [ -z "$wine32_missing" ] || apt-get install -y "$wine32" >>"$log" 2>&1
  missing=$(missing_packages)
  [ -z "$missing" ] || give_up "apt-get failed, its output is in $log" "$missing"
  if installed "$wine32"; then
    rm -f "$log"
  else
    no_wine32 "apt-get cannot install it, its output is in $log"
  fi
}

no_wine32() {
  echo "$0: no 32-bit Wine ($wine32: $1); the 32-bit Windows legs skip their runs under Wine" >&2
}

missing=$(missing_packages)
installed "$wine32" || missing="${missing:+$missing }$wine32"
if [ "$missing" = "$wine32" ] && [ "$(id -u)" -ne 0 ]; then
  no_wine32 "not root"
elif [ -n "$missing" ]; then
  [ "$(id -u)" -eq 0 ] || give_up "not root" "$missing"
  install_missing
fi
# SQLite's source for the Windows builds of the emulator, made once.
exec bash "$(dirname "$0")/sqlite_amalgamation.sh"
