#!/usr/bin/env bash
# Writes docs/GALLERY.md and docs/images/gallery_<page>.png from the gallery itself: it runs the
# gallery headless into a scratch folder, and the gallery's --docs option writes one section per
# page (its title, what the page shows, the classes read off its widgets) with the page's
# screenshot at half size. A page added to the gallery shows up here by itself.
#   usage: scripts/make-docs.sh [BUILD_DIR]   (default: build; the gallery must be built)
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-${BUILD_DIR:-$root/build}}"
gallery="$build/apps/gallery/gallery"
if [[ ! -x "$gallery" ]]; then
  echo "make-docs: no gallery at $gallery; build it first (ninja -C $build gallery)" >&2
  exit 1
fi

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

# Images of pages that are gone must not linger.
mkdir -p "$root/docs/images"
rm -f "$root"/docs/images/gallery_*.png
if ! "$gallery" --headless --out "$scratch/out" --docs "$root/docs" >"$scratch/gallery.log" 2>&1; then
  cat "$scratch/gallery.log" >&2
  echo "make-docs: the gallery failed" >&2
  exit 1
fi
grep -E '^wrote ' "$scratch/gallery.log"
du -ch "$root"/docs/images/gallery_*.png | tail -n 1 | sed 's/^/make-docs: images, /'
