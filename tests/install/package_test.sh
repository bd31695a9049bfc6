#!/usr/bin/env bash
# The Debian package of scripts/package, made with the build's CPack
# configuration into a temporary folder and checked without installing it:
# it holds exactly the two programs and their manual pages under /usr, and
# depends on poppler-utils and on the C and C++ runtime of the build.
# The font query (lib/lexiweb/lexiweb-fonts) belongs to it when FONT_QUERY is ON.
# Usage: package_test.sh BUILD_DIR FONT_QUERY
set -euo pipefail

if [ $# -ne 2 ]; then
  echo "usage: $0 BUILD_DIR FONT_QUERY" >&2
  exit 2
fi
build=$(realpath "$1")
work=$(mktemp -d "${TMPDIR:-/tmp}/lexiweb-package-XXXXXX")
source "$(dirname "$0")/keep_install_manifest.sh"
keep_install_manifest "$build" "$work"
export LC_ALL=C

fail() {
  echo "package test: $*" >&2
  exit 1
}

(cd "$build" && cpack -G DEB -B "$work" >"$work/cpack.log" 2>&1) ||
  fail "cpack failed:"$'\n'"$(cat "$work/cpack.log")"
packages=("$work"/lexiweb_*.deb)
[ ${#packages[@]} -eq 1 ] && [ -f "${packages[0]}" ] || fail "cpack made no single lexiweb_*.deb"
deb=${packages[0]}

font_query=""
[ "$2" = ON ] && font_query="./usr/lib/lexiweb/lexiweb-fonts
"
files=$(dpkg-deb --contents "$deb" | awk '$1 !~ /^d/ { print $6 }' | sort)
expected="./usr/bin/lexiweb
./usr/bin/lexiweb-pages
${font_query}./usr/share/man/man1/lexiweb-pages.1
./usr/share/man/man1/lexiweb.1"
[ "$files" = "$expected" ] || fail "the package holds"$'\n'"$files"$'\n'"instead of"$'\n'"$expected"

depends=$(dpkg-deb --field "$deb" Depends)
for needed in poppler-utils 'libc6 (>= ' 'libstdc++6 (>= '; do
  [[ ", $depends," == *", $needed"* ]] || fail "Depends lacks $needed: $depends"
done
echo "package test: passed ($(basename "$deb"), Depends: $depends)"
