#!/usr/bin/env bash
# Validates the desktop entries, AppStream metadata and MIME types of both programs.
set -euo pipefail
cd "$(dirname "$0")/.."
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

for entry in */resources/*.desktop; do
  report=$(desktop-file-validate "$entry")
  [[ -z $report ]] || { echo "$report" >&2; exit 1; }  # hints count too
done
for metainfo in */resources/*.metainfo.xml; do
  appstreamcli validate --no-net "$metainfo"
done
mkdir -p "$scratch/mime/packages"
mapfile -t mime_packages < <(grep -l '<mime-info' */resources/*.xml)
for mime in "${mime_packages[@]}"; do
  cp "$mime" "$scratch/mime/packages/"
done
if ((${#mime_packages[@]})); then
  XDG_DATA_DIRS=$scratch update-mime-database "$scratch/mime"
  for type in $(sed -n 's/.*<mime-type type="\([^"]*\)".*/\1/p' "${mime_packages[@]}"); do
    [[ -f $scratch/mime/$type.xml ]] || { echo "MIME type $type not registered" >&2; exit 1; }
  done
fi
echo "check-desktop-files: desktop entries, metainfo and MIME types are valid"
