#!/usr/bin/env bash
# Makes SQLite's amalgamation (sqlite3.c and sqlite3.h) for the Windows build
# of the emulator, from Debian's source package of SQLite, fetched by the
# package client by its name.
#
# usage: tests/sqlite_amalgamation.sh [FOLDER]     (default: _deps/sqlite)
#
# The source entries are the machine's own, turned from binary into source
# entries in a private folder, so that the machine's package configuration
# and lists stay as they are. The source is the one of the release the
# machine runs, the SQLite its Linux build links. Making the amalgamation
# takes the host's cc, make and tclsh; a folder that already holds it is left
# alone. The build reads it from this folder, or from the one named with
# -DTELV_SQLITE_AMALGAMATION_DIR.
set -euo pipefail
cd "$(dirname "$0")/.."
target=${1:-_deps/sqlite}
if [ -f "$target/sqlite3.c" ] && [ -f "$target/sqlite3.h" ]; then
  exit 0
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/parts" "$work/lists/partial" "$work/cache/archives/partial" "$work/source"

# deb-src entries from the machine's deb ones, in both formats apt reads.
for file in /etc/apt/sources.list.d/*.sources; do
  [ -f "$file" ] && sed 's/^Types:.*/Types: deb-src/' "$file" >"$work/parts/$(basename "$file")"
done
for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
  [ -f "$file" ] && sed -n 's/^deb /deb-src /p' "$file" >>"$work/parts/from-lists.list"
done
apt=(apt-get -q
  -o "Dir::Etc::SourceList=/dev/null" -o "Dir::Etc::SourceParts=$work/parts"
  -o "Dir::State::Lists=$work/lists" -o "Dir::Cache=$work/cache"
  -o "Dir::Cache::pkgcache=" -o "Dir::Cache::srcpkgcache=" -o "APT::Sandbox::User=root")
"${apt[@]}" update >/dev/null
(cd "$work/source" && "${apt[@]}" source sqlite3 >/dev/null)
source_dir=$(find "$work/source" -mindepth 1 -maxdepth 1 -type d -name 'sqlite3-*' | head -n 1)

# The host's compiler builds the generators that write the amalgamation.
mkdir -p "$work/build"
(cd "$work/build" && env -u CC -u CFLAGS sh "$source_dir/configure" --disable-tcl \
  --disable-readline >/dev/null && make sqlite3.c >/dev/null)
mkdir -p "$target"
cp "$work/build/sqlite3.c" "$work/build/sqlite3.h" "$target/"
echo "SQLite $(sed -n 's/^#define SQLITE_VERSION  *"\(.*\)"/\1/p' "$target/sqlite3.h") amalgamation in $target"
