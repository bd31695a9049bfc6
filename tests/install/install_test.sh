#!/usr/bin/env bash
# cmake --install into a temporary prefix, checked as a user meets it: the
# prefix holds exactly the two programs, the background renderer when the
# build has it (RENDERER is ON), the text recogniser when the build has it
# (RECOGNIZER is ON) and the manual pages, the manual pages render without a
# warning in mandoc and groff, and
# the installed lexiweb, found on the PATH, converts the shipped sample into
# the same site as the build's own lexiweb, images included byte for byte, so
# with its own installed renderer.
# Usage: install_test.sh BUILD_DIR SOURCE_DIR RENDERER RECOGNIZER
set -euo pipefail

if [ $# -ne 4 ]; then
  echo "usage: $0 BUILD_DIR SOURCE_DIR RENDERER RECOGNIZER" >&2
  exit 2
fi
build=$(realpath "$1")
source=$(realpath "$2")
renderer=$3
recognizer=$4
work=$(mktemp -d "${TMPDIR:-/tmp}/lexiweb-install-XXXXXX")
source "$(dirname "$0")/keep_install_manifest.sh"
keep_install_manifest "$build" "$work"
export LC_ALL=C

fail() {
  echo "install test: $*" >&2
  exit 1
}

prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null
installed=$(cd "$prefix" && find . -type f -o -type l | sort)
expected="./bin/lexiweb
./bin/lexiweb-library
./bin/lexiweb-pages"
[ "$recognizer" = ON ] && expected+=$'\n'"./lib/lexiweb/lexiweb-ocr"
[ "$renderer" = ON ] && expected+=$'\n'"./lib/lexiweb/lexiweb-render"
expected+="
./share/man/man1/lexiweb-library.1
./share/man/man1/lexiweb-pages.1
./share/man/man1/lexiweb.1"
[ "$installed" = "$expected" ] ||
  fail "the prefix holds"$'\n'"$installed"$'\n'"instead of"$'\n'"$expected"

for page in "$prefix"/share/man/man1/*.1; do
  lint=$(mandoc -T lint -W warning "$page" 2>&1 || true)
  [ -z "$lint" ] || fail "mandoc finds fault with $(basename "$page"):"$'\n'"$lint"
  render=$(groff -man -ww -z -Tutf8 "$page" 2>&1 || true)
  [ -z "$render" ] || fail "groff warns about $(basename "$page"):"$'\n'"$render"
done

# The sample, converted by the installed lexiweb as the README says, and by
# the build's, with the answers piped in.
convert() {
  mkdir -p "$1/pdf_in"
  cp "$source/samples/sample.pdf" "$1/pdf_in/"
  (cd "$1" && printf '\n\n1\nwww.example.com\n\n' | PATH="$2:$PATH" lexiweb >run.log 2>&1) ||
    fail "lexiweb from $2 failed in $1; its output:"$'\n'"$(cat "$1/run.log")"
}
[ "$(PATH="$prefix/bin:$PATH" command -v lexiweb)" = "$prefix/bin/lexiweb" ] ||
  fail "the installed lexiweb is not the one found on the PATH"
convert "$work/installed" "$prefix/bin"
mkdir -p "$work/bin" && ln -s "$build/lexiweb" "$work/bin/lexiweb"
convert "$work/built" "$work/bin"

pages=$(cd "$work/installed/htm_out" && ls ./*.htm | tr '\n' ' ')
[ "$pages" = "./f000001.htm ./f000002.htm ./f000003.htm ./f000004.htm ./f000005.htm ./f000006.htm ./f000007.htm ./in000001.htm " ] ||
  fail "the installed lexiweb wrote the pages $pages"
grep -q '^words in \*\.pdf file = [1-9]' "$work/installed/run.log" ||
  fail "the installed lexiweb's run did not reach its results:"$'\n'"$(cat "$work/installed/run.log")"
diff -r "$work/built" "$work/installed" >&2 ||
  fail "the installed lexiweb's run differs from the build's"
echo "install test: passed"
