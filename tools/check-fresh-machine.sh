#!/usr/bin/env bash
# Proves the README's quick start on a fresh Debian 12: makes a minimal root with debootstrap,
# puts a clean clone of the checked-out commit into it and runs there, as a new user would:
#   ./project.sh test, ./project.sh run tavisto --version, ./project.sh run quennet --version,
#   ./project.sh package
# Needs root (debootstrap, mount, chroot). The debootstrap result is kept as a tar file in
# $FRESH_MACHINE_CACHE (default /var/cache/mp3-timing-editors) and unpacked afresh for every run.
set -euo pipefail
cd "$(dirname "$0")/.."
fail() { echo "check-fresh-machine: $*" >&2; exit 1; }
((EUID == 0)) || fail "needs root (debootstrap, mount and chroot); run it as root or with sudo"

source_tree=$PWD
commit=$(git rev-parse HEAD)
[[ -z $(git status --porcelain --untracked-files=no) ]] ||
  echo "check-fresh-machine: uncommitted changes are not checked, only commit $commit"
cache=${FRESH_MACHINE_CACHE:-/var/cache/mp3-timing-editors}

# The Debian mirror this machine's own apt sources name for bookworm.
debian_mirror() {
  local sources=(/etc/apt/sources.list.d/*.sources)
  [[ -e ${sources[0]} ]] && awk -v RS= '{
      types = suites = uris = ""
      n = split($0, line, "\n")
      for (i = 1; i <= n; i++) {
        if (line[i] ~ /^Types:/) types = line[i]
        else if (line[i] ~ /^Suites:/) suites = line[i]
        else if (line[i] ~ /^URIs:/) uris = line[i]
      }
      if ((types " ") ~ /[ \t]deb[ \t]/ && (suites " ") ~ /[ \t]bookworm[ \t]/ && uris != "") {
        split(uris, uri, /[ \t]+/)
        print uri[2]
        exit
      }
    }' "${sources[@]}" | grep . && return
  [[ -e /etc/apt/sources.list ]] &&
    sed -nE 's/^deb[ \t]+(\[[^]]*\][ \t]+)?([^ \t]+)[ \t]+bookworm[ \t].*/\2/p' /etc/apt/sources.list |
    head -n1 | grep .
}

# Unmounts everything at or below a folder (deepest first), checks that nothing is left
# mounted there, and only then removes it without leaving its file system.
remove_root() {
  local root=$1 mounts
  [[ -d $root ]] || return 0
  root=$(realpath "$root")
  for pid in /proc/[0-9]*; do  # processes still running inside the root would hold the mounts
    if [[ $(readlink "$pid/root" 2>/dev/null) == "$root" ]]; then kill -9 "${pid#/proc/}" 2>/dev/null || true; fi
  done
  mounted() { findmnt -rn -o TARGET | awk -v r="$root" '$0 == r || index($0, r "/") == 1' | sort -r; }
  while read -r mount; do
    [[ -n $mount ]] && { umount "$mount" || umount -l "$mount"; }
  done <<<"$(mounted)"
  mounts=$(mounted)
  [[ -z $mounts ]] || fail "still mounted, $root is kept: $mounts"
  rm -rf --one-file-system "$root"
}

# A failing step ends the script (set -e); the exit trap names it and removes the root.
root= current= current_start=
elapsed() { printf '%d:%02d' $((($(date +%s) - $1) / 60)) $((($(date +%s) - $1) % 60)); }
finish() {
  local status=$?
  [[ -z $current ]] || echo "check-fresh-machine: failed after $(elapsed "$current_start"): $current" >&2
  remove_root "$root"
  exit "$status"
}
trap finish EXIT
trap 'exit 130' INT TERM

times=()
step() {
  current=$1 current_start=$(date +%s)
  shift
  echo "=== $current"
  "$@"
  times+=("$(printf '%-44s %s' "$current" "$(elapsed "$current_start")")")
  echo "=== $current: $(elapsed "$current_start")"
  current=
}

make_base() {
  mirror=$(debian_mirror) || fail "no Debian bookworm mirror in /etc/apt/sources.list.d/*.sources or /etc/apt/sources.list"
  if ! command -v debootstrap >/dev/null; then
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq debootstrap </dev/null
  fi
  mkdir -p "$cache"
  root=$(mktemp -d "$cache/debootstrap.XXXXXX")
  chmod 755 "$root"  # the root folder of the new system, open to its other users (_apt)
  if ! debootstrap --variant=minbase bookworm "$root" "$mirror" >"$root.log" 2>&1; then
    tail -n 20 "$root.log" >&2
    exit 1
  fi
  tar -C "$root" --numeric-owner -cf "$root.tar" .  # a run beside this one may be making its own
  mv "$root.tar" "$base"
  remove_root "$root"
  rm -f "$root.log"
  root=
}

# An untouched copy of the base with the clone of the commit, /proc and the name servers.
prepare_root() {
  root=$(mktemp -d "$cache/root.XXXXXX")
  tar -C "$root" --numeric-owner -xpf "$base"
  chmod 755 "$root"
  git clone --quiet --no-hardlinks "$source_tree" "$root/root/mp3-timing-editors"
  git -C "$root/root/mp3-timing-editors" checkout --quiet --detach "$commit"
  cp -L /etc/resolv.conf "$root/etc/resolv.conf"
  mount -t proc proc "$root/proc"
}

# A login shell of a new user: a clean environment, the home folder, the project's folder.
inside() {
  chroot "$root" /usr/bin/env -i HOME=/root TERM=dumb CI=true \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    bash -c 'cd ~/mp3-timing-editors && "$@"' inside "$@" </dev/null &
  wait $!  # a signal to this script is handled at once, not after the step
}

base=$cache/bookworm-minbase.tar
start=$(date +%s)
[[ -f $base ]] || step "debootstrap --variant=minbase bookworm" make_base
step "clean clone of ${commit:0:12} in a fresh root" prepare_root
step "./project.sh test" inside ./project.sh test
step "./project.sh run tavisto --version" inside ./project.sh run tavisto --version
step "./project.sh run quennet --version" inside ./project.sh run quennet --version
step "./project.sh package" inside ./project.sh package
echo "check-fresh-machine: the quick start works on a fresh Debian 12 (commit ${commit:0:12})"
printf '  %s\n' "${times[@]}" "$(printf '%-44s %s' total "$(elapsed "$start")")"
