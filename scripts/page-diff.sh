#!/usr/bin/env bash
# Renders the program's pages with two builds and compares them: the report
# and chart pages of karvuto-read --export (PDF and PNG) and the printed page,
# preview, About box and splash of karvuto-print-shots. PDFs are compared as
# pictures (pdftoppm, 100 dpi) and as text (pdftotext); every picture pixel by
# pixel (ImageMagick's compare -metric AE: the count of differing pixels).
# The clock is pinned with faketime so that the reading time is the same
# (frozen for karvuto-read; started at the same instant for print-shots,
# whose own timer needs the clock to run).
#   scripts/page-diff.sh OLD_BIN_DIR NEW_BIN_DIR [OUT_DIR]
# Each BIN_DIR holds karvuto-read, karvuto-print-shots and Karvuto.mdb.
# Exit status 0 when every page is the same, 1 otherwise.
set -euo pipefail

old=$(realpath "$1")
new=$(realpath "$2")
out=${3:-$(mktemp -d)}
mkdir -p "$out"

export QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=1 LANG=C.UTF-8
export ASAN_OPTIONS=detect_leaks=0:verify_asan_link_order=0
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$out/runtime}
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
now='2024-06-01 10:00:00'

# The readings exported: plain; lunar with a leap month; a chart under true
# solar time and summer time (cast-time line and notes).
readings=(
  "plain|--name 张三 --solar 1975-01-01 --hour 8"
  "lunar|--name 李四 --sex female --lunar 1990-05-10 --leap --hour 23"
  "solar-time|--name 王五 --sex female --solar 1988-07-01 --hour 13 --minute 10 --longitude 北京 --dst-correct --zi late"
)

render() {  # render BIN_DIR DEST
  local bin=$1 dest=$2
  mkdir -p "$dest"
  for r in "${readings[@]}"; do
    local name=${r%%|*} args=${r#*|}
    # shellcheck disable=SC2086
    faketime -f "$now" "$bin/karvuto-read" $args --db "$bin/Karvuto.mdb" --export "$dest/$name.pdf"
    # shellcheck disable=SC2086
    faketime -f "$now" "$bin/karvuto-read" $args --db "$bin/Karvuto.mdb" --export "$dest/$name.png"
  done
  faketime -f "@$now" "$bin/karvuto-print-shots" "$bin/Karvuto.mdb" "$dest" >/dev/null 2>&1
  for pdf in "$dest"/*.pdf; do
    pdftoppm -r 100 -png "$pdf" "${pdf%.pdf}-page"
    pdftotext -layout "$pdf" "${pdf%.pdf}.txt"
  done
}

render "$old" "$out/old"
render "$new" "$out/new"

status=0
for file in "$out"/old/*.png "$out"/old/*.txt; do
  name=$(basename "$file")
  other="$out/new/$name"
  if [ ! -f "$other" ]; then
    echo "$name: missing in the new build"
    status=1
  elif [[ $name == *.txt ]]; then
    if cmp -s "$file" "$other"; then echo "$name: same text"; else echo "$name: text differs"; status=1; fi
  else
    pixels=$(compare -metric AE "$file" "$other" null: 2>&1 || true)
    echo "$name: $pixels pixels differ"
    [ "$pixels" = 0 ] || status=1
  fi
done
echo "renders in $out"
exit $status
