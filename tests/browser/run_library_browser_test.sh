#!/usr/bin/env bash
# A library built by lexiweb-library from two documents (the browser test's
# own and the sample), read in chromium.
# Usage: run_library_browser_test.sh LEXIWEB_LIBRARY_BINARY MAKE_BROWSER_SITE_BINARY SAMPLE_PDF
set -euo pipefail

if [ $# -ne 3 ]; then
  echo "usage: $0 LEXIWEB_LIBRARY_BINARY MAKE_BROWSER_SITE_BINARY SAMPLE_PDF" >&2
  exit 2
fi
library_program=$(realpath "$1")
make_browser_site=$(realpath "$2")
sample=$(realpath "$3")
here=$(cd "$(dirname "$0")" && pwd)
if [ ! -d "$here/node_modules/playwright-core" ]; then
  (cd "$here" && npm ci --no-audit --no-fund)
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/lexiweb-library-browser-XXXXXX")
trap 'rm -rf "$work"' EXIT
# Both documents hold "river".
"$make_browser_site" "$work/river"
"$library_program" build "$work/library" "$work/river/pdf_in" "$sample" >"$work/build.log" 2>&1 || {
  echo "library browser test: lexiweb-library build failed:" >&2
  cat "$work/build.log" >&2
  exit 1
}
status=0
node "$here/library_test.mjs" "$work/library" river || status=1
exit $status
