#!/usr/bin/env bash
# A real run of lexiweb on a PDF made for the purpose, then the link check and
# the browser test over the site it writes. Fails when any step fails.
# Usage: run_browser_test.sh LEXIWEB_BINARY MAKE_BROWSER_SITE_BINARY
set -euo pipefail

if [ $# -ne 2 ]; then
  echo "usage: $0 LEXIWEB_BINARY MAKE_BROWSER_SITE_BINARY" >&2
  exit 2
fi
lexiweb=$(realpath "$1")
make_browser_site=$(realpath "$2")
here=$(cd "$(dirname "$0")" && pwd)

# What make_browser_site.cc writes: the word on several pages, the page count
# and the number of outline entries.
word=river
page_count=4
outline_entries=4

if [ ! -x /usr/bin/chromium ]; then
  echo "browser test: /usr/bin/chromium is missing (scripts/install-dependencies installs it)" >&2
  exit 1
fi
if [ ! -d "$here/node_modules/playwright-core" ] || [ ! -d "$here/node_modules/axe-core" ]; then
  (cd "$here" && npm ci --no-audit --no-fund)
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/lexiweb-browser-XXXXXX")
trap 'rm -rf "$work"' EXIT

# Writes the document (make_browser_site OPTION) into the folder $1 and runs
# lexiweb there. Keys: the banner, the font advice, "1" to go on at the
# program information (single keys), Enter for the predefined magnification,
# the target site line, Enter at the results screen.
run_lexiweb_in() {
  mkdir -p "$1" && cd "$1"
  "$make_browser_site" "$1" ${2:+"$2"}
  if ! printf '\n\n1\nwww.example.org\n\n' | "$lexiweb" >run.log 2>&1 || ! ls htm_out/*.htm >/dev/null 2>&1; then
    echo "browser test: lexiweb failed or wrote no page into htm_out in $1; its output:" >&2
    cat run.log >&2
    exit 1
  fi
}

status=0
run_lexiweb_in "$work/river"
node "$here/link_check.mjs" htm_out || status=1
node "$here/site_test.mjs" htm_out "$word" "$page_count" "$outline_entries" || status=1
# The same site on a phone, from the keyboard and by a screen reader's rules.
node "$here/access_test.mjs" htm_out "$word" || status=1

# A document with pages that hold no word: its site has no dangling link either.
run_lexiweb_in "$work/wordless" --wordless-pages
node "$here/link_check.mjs" htm_out || status=1
# A searchable scan: its words lie over the picture, unseen but for a mark.
run_lexiweb_in "$work/scanned" --scanned-page
node "$here/scanned_test.mjs" htm_out "$word" || status=1
# Text on its baselines in a face with a large ascent, squeezed spaces, a turned page.
run_lexiweb_in "$work/placed" --placed-text
node "$here/placed_text_test.mjs" htm_out || status=1

# A page of two columns: its structure, and its text flowing on a narrow window.
run_lexiweb_in "$work/columns" --two-columns
node "$here/structure_test.mjs" htm_out || status=1

# A slide, white on dark: the highlight, copying and links keep the PDF's look.
run_lexiweb_in "$work/slide" --dark-slide
node "$here/slide_test.mjs" htm_out "$word" || status=1

# Words of several scripts and a word broken at a line end, on a converted
# page written here with the search field as the converter adds it, built
# into a site by lexiweb-pages.
mkdir -p "$work/words/htm_in/fonts" && cd "$work/words"
cp "$here/../../src/convert/search.js" htm_in/fonts/
printf '%s\n' '<!DOCTYPE html><html><body>' '<a href="page1.html">page1</a><br>' \
  '</body></html>' >htm_in/index.htm
cat >htm_in/page1.htm <<'PAGE'
<!DOCTYPE html>
<html><head><meta charset="UTF-8"/></head><body>
<div id="page1-div" style="position:relative;width:600px;height:800px;">
<p style="position:absolute;top:10px;left:10px">Éclair and eclair, Straße, БЕЗОПАСНОСТЬ.</p>
<p style="position:absolute;top:40px;left:10px">日本語の文章を単語に分けます。北京大学</p>
<p style="position:absolute;top:70px;left:10px">The mean is geomet-</p>
<p style="position:absolute;top:100px;left:10px">rical here.</p>
</div><script src="fonts/search.js" defer></script>
</body></html>
PAGE
if "$(dirname "$lexiweb")/lexiweb-pages" "$work/words" >run.log 2>&1; then
  node "$here/words_test.mjs" htm_out || status=1
else
  echo "browser test: lexiweb-pages failed in $work/words; its output:" >&2
  cat run.log >&2
  status=1
fi
exit $status
