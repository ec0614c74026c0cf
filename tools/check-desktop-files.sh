#!/usr/bin/env bash
# Validates the desktop entries, AppStream metadata and MIME types of both programs.
set -euo pipefail
cd "$(dirname "$0")/.."
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

for entry in */resources/*.desktop; do
  desktop-file-validate "$entry"
done
for metainfo in */resources/*.metainfo.xml; do
  appstreamcli validate --no-net --pedantic "$metainfo"
done
mkdir -p "$scratch/mime/packages"
for mime in */resources/*.mime.xml; do
  cp "$mime" "$scratch/mime/packages/$(basename "$mime" .mime.xml).xml"
done
update-mime-database "$scratch/mime"
for type in $(sed -n 's/.*<mime-type type="\([^"]*\)".*/\1/p' */resources/*.mime.xml); do
  [[ -f $scratch/mime/$type.xml ]] || { echo "MIME type $type not registered" >&2; exit 1; }
done
echo "check-desktop-files: desktop entries, metainfo and MIME types are valid"
