#!/usr/bin/env bash
# Checks a built .deb: its file list, its dependencies, and lintian's verdict.
set -euo pipefail
deb=$1
fail() { echo "check-package: $*" >&2; exit 1; }

files=$(dpkg-deb --contents "$deb" | awk '{print $6}' | sed 's|^\./|/|')
expected=(
  /usr/bin/tavisto /usr/bin/quennet
  /usr/share/applications/org.mp3timing.Tavisto.desktop
  /usr/share/applications/org.mp3timing.Quennet.desktop
  /usr/share/metainfo/org.mp3timing.Tavisto.metainfo.xml
  /usr/share/metainfo/org.mp3timing.Quennet.metainfo.xml
  /usr/share/mime/packages/org.mp3timing.Tavisto.xml
  /usr/share/icons/hicolor/scalable/apps/org.mp3timing.Tavisto.svg
  /usr/share/icons/hicolor/scalable/apps/org.mp3timing.Quennet.svg
  /usr/share/man/man1/tavisto.1.gz /usr/share/man/man1/quennet.1.gz
  /usr/share/doc/mp3-timing-editors/copyright
  /usr/share/doc/mp3-timing-editors/changelog.Debian.gz
)
for size in 16 24 32 48 64 128 256; do
  for id in org.mp3timing.Tavisto org.mp3timing.Quennet; do
    expected+=("/usr/share/icons/hicolor/${size}x${size}/apps/$id.png")
  done
done
for f in "${expected[@]}"; do
  grep -qx "$f" <<<"$files" || fail "missing $f"
done
unexpected=$(grep -v -e '/$' -e '^/usr/bin/' -e '^/usr/share/\(applications\|metainfo\|mime/packages\|icons/hicolor\|man/man1\|doc/mp3-timing-editors\)/' <<<"$files" || true)
[[ -z $unexpected ]] || fail "unexpected files: $unexpected"

depends=$(dpkg-deb --field "$deb" Depends)
for lib in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 libjpeg62-turbo; do
  grep -q "\b$lib\b" <<<"$depends" || fail "Depends lacks $lib: $depends"
done
# One Chinese font, whichever of these the system has; no font is required beside it.
fonts='fonts-noto-cjk | fonts-arphic-uming | fonts-wqy-zenhei | fonts-wqy-microhei'
[[ $(grep -o 'fonts-[^,]*' <<<"$depends") == "$fonts" ]] || fail "Depends does not ask for one of $fonts: $depends"
recommends=$(dpkg-deb --field "$deb" Recommends)
for package in qt6-translations-l10n qt6-wayland; do
  grep -q "\b$package\b" <<<"$recommends" || fail "Recommends lacks $package: $recommends"
done
binary=$(mktemp)
trap 'rm -f "$binary"' EXIT
for f in /usr/bin/tavisto /usr/bin/quennet; do
  dpkg-deb --fsys-tarfile "$deb" | tar -xO ".$f" >"$binary"
  file "$binary" | grep -q ', stripped' || fail "$f is not stripped"
  if readelf -S "$binary" | grep -q '\.comment'; then fail "$f keeps its .comment section"; fi
done
[[ $(dpkg-deb --field "$deb" Section) == utils ]] || fail "no Section"
[[ -n $(dpkg-deb --field "$deb" Maintainer) ]] || fail "no Maintainer"

if command -v lintian >/dev/null; then
  lintian --info --fail-on error,warning,info --suppress-tags-from-file "$(dirname "$0")/lintian-overrides.txt" "$deb"
fi
echo "check-package: $(basename "$deb") is complete (${#expected[@]} files checked)"
