#!/usr/bin/env bash
# The Debian package of scripts/package, made with the build's CPack
# configuration into a temporary folder and checked without installing it:
# it holds exactly the two programs, the background renderer when the
# build has it (RENDERER is ON), the text recogniser when it has that
# (RECOGNIZER is ON) and the manual pages under /usr, depends on
# poppler-utils and DejaVu, on the C and C++ runtime of the build,
# HarfBuzz's subsetter and the WOFF2 library, with the renderer on poppler's
# library and libpng, with the recogniser on Tesseract's library, and
# recommends tesseract-ocr and its English data.
# Usage: package_test.sh BUILD_DIR RENDERER RECOGNIZER
set -euo pipefail

if [ $# -ne 3 ]; then
  echo "usage: $0 BUILD_DIR RENDERER RECOGNIZER" >&2
  exit 2
fi
build=$(realpath "$1")
renderer=$2
recognizer=$3
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

files=$(dpkg-deb --contents "$deb" | awk '$1 !~ /^d/ { print $6 }' | sort)
expected="./usr/bin/lexiweb
./usr/bin/lexiweb-library
./usr/bin/lexiweb-pages"
[ "$recognizer" = ON ] && expected+=$'\n'"./usr/lib/lexiweb/lexiweb-ocr"
[ "$renderer" = ON ] && expected+=$'\n'"./usr/lib/lexiweb/lexiweb-render"
expected+="
./usr/share/man/man1/lexiweb-library.1
./usr/share/man/man1/lexiweb-pages.1
./usr/share/man/man1/lexiweb.1"
[ "$files" = "$expected" ] || fail "the package holds"$'\n'"$files"$'\n'"instead of"$'\n'"$expected"

depends=$(dpkg-deb --field "$deb" Depends)
needed_packages=(poppler-utils fonts-dejavu-core 'libc6 (>= ' 'libstdc++6 (>= ' libharfbuzz-subset0
  libwoff1 libicu libcld2-0 libssl3)
[ "$renderer" = ON ] && needed_packages+=(libpoppler libpng)
[ "$recognizer" = ON ] && needed_packages+=(libpoppler libtesseract5)
for needed in "${needed_packages[@]}"; do
  [[ ", $depends," == *", $needed"* ]] || fail "Depends lacks $needed: $depends"
done
recommends=$(dpkg-deb --field "$deb" Recommends)
for recommended in tesseract-ocr tesseract-ocr-eng; do
  [[ ", $recommends," == *", $recommended,"* ]] || fail "Recommends lacks $recommended: $recommends"
done
echo "package test: passed ($(basename "$deb"), Depends: $depends)"
