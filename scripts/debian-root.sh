#!/bin/sh
# A minimal Debian in a folder, and commands run inside it:
#   scripts/debian-root.sh make RELEASE DIR [--with-sources]
#       debootstraps a minimal RELEASE (bookworm, trixie) into DIR unless it is there, with apt's
#       sources as a fresh install of that release has them (the release, its updates and its
#       security updates; --with-sources adds their deb-src entries)
#   scripts/debian-root.sh run DIR [--root] [--bind PATH]... COMMAND [ARGS...]
#       runs COMMAND in DIR, in the current folder, as the calling user (--root: as root), with the machine's /dev,
#       /proc, /sys and /tmp and each PATH mounted at their own paths; the mounts live only as long
#       as the command (a mount namespace of its own). Passes on HOME, PATH, LANG, TERM, DISPLAY,
#       SOURCE_DATE_EPOCH and every DOSECALC_ variable; a user other than root gets HOME=$DIR.home
#       (made for them beside DIR).
# Both need root: a user who is not runs them through sudo, and without sudo is told so in one line.
set -eu
self=$(realpath "$0")
usage="usage: scripts/debian-root.sh make RELEASE DIR [--with-sources] | run DIR [--root] [--bind PATH]... COMMAND [ARGS...]"
mirror=${DOSECALC_DEBIAN_MIRROR:-http://deb.debian.org/debian}
security_mirror=${DOSECALC_DEBIAN_SECURITY_MIRROR:-http://deb.debian.org/debian-security}

fail() {
  echo "debian-root: $*" >&2
  exit 1
}

# Runs the script again as root, keeping who asked for it.
as_root() {
  [ "$(id -u)" -eq 0 ] && return 0
  command -v sudo >/dev/null 2>&1 ||
    fail "a Debian root is made and entered as root: run as root, or as a user who may use sudo"
  exec sudo --preserve-env DOSECALC_CALLER="$(id -u):$(id -g)" "$self" "$@"
}

make_root() {
  [ $# -ge 2 ] && [ $# -le 3 ] || fail "$usage"
  release=$1
  dir=$(realpath -m "$2")
  types=deb
  case ${3:-} in
  --with-sources) types="deb deb-src" ;;
  "") ;;
  *) fail "unknown option '$3'; $usage" ;;
  esac
  case $release in
  bookworm | trixie) ;;
  *) fail "unknown release '$release' (bookworm, trixie)" ;;
  esac
  [ -d "$dir" ] && return 0
  command -v debootstrap >/dev/null 2>&1 || fail "debootstrap is missing (scripts/install-deps.sh root)"
  as_root make "$@"
  echo "debian-root: making a minimal Debian $release in $dir"
  rm -rf "$dir.partial"
  mkdir -p "$(dirname "$dir")"
  log=$dir.log
  # In a mount namespace of its own, so that nothing debootstrap mounts outlives it.
  if ! unshare --mount --fork debootstrap --variant=minbase "$release" "$dir.partial" "$mirror" >"$log" 2>&1; then
    tail -n 20 "$log" >&2
    fail "debootstrap failed; the whole log: $log"
  fi
  rm -f "$dir.partial/etc/apt/sources.list"
  cat >"$dir.partial/etc/apt/sources.list.d/debian.sources" <<EOF
Types: $types
URIs: $mirror
Suites: $release $release-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg

Types: $types
URIs: $security_mirror
Suites: $release-security
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
EOF
  # What apt fetched to make it; the root's own installs keep theirs.
  rm -f "$dir.partial"/var/cache/apt/archives/*.deb
  rm -f "$log"
  mv "$dir.partial" "$dir"
}

run_in_root() {
  [ $# -ge 2 ] || fail "$usage"
  dir=$(realpath -m "$1")
  [ -x "$dir/bin/sh" ] || fail "$dir holds no Debian (scripts/debian-root.sh make)"
  as_root run "$@"
  shift
  binds=""
  as_caller=yes
  while [ $# -gt 0 ]; do
    case $1 in
    --root)
      as_caller=""
      shift
      ;;
    --bind)
      [ $# -ge 2 ] || fail "--bind needs a folder; $usage"
      [ -d "$2" ] || fail "--bind $2: no such folder"
      binds="$binds
$(realpath "$2")"
      shift 2
      ;;
    *) break ;;
    esac
  done
  [ $# -gt 0 ] || fail "no command given; $usage"
  [ -n "$as_caller" ] || DOSECALC_CALLER=0:0
  export DOSECALC_CALLER
  exec unshare --mount --fork "$self" enter "$dir" "$PWD" "$binds" "$@"
}

# Inside the mount namespace: mounts, then the command in the root.
enter() {
  dir=$1 cwd=$2 binds=$3
  shift 3
  mount --rbind /dev "$dir/dev"
  mount --make-rslave "$dir/dev"
  mount -t proc proc "$dir/proc"
  mount --rbind /sys "$dir/sys"
  mount --make-rslave "$dir/sys"
  mount --bind /tmp "$dir/tmp"
  echo "$binds" | while IFS= read -r path; do
    [ -n "$path" ] || continue
    mkdir -p "$dir$path"
    mount --bind "$path" "$dir$path"
  done
  cp /etc/resolv.conf "$dir/etc/resolv.conf" 2>/dev/null || true

  user=root
  home=/root
  if [ -n "${DOSECALC_CALLER:-}" ] && [ "${DOSECALC_CALLER%%:*}" != 0 ]; then
    user=$DOSECALC_CALLER
    home=$dir.home
    mkdir -p "$home"
    chown "$user" "$home"
    mkdir -p "$dir$home"
    mount --bind "$home" "$dir$home"
  fi
  # The command's environment: what the caller set of these, and a fixed HOME, PATH and LANG.
  set -- HOME="$home" PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 \
    sh -c 'cd "$0" && exec "$@"' "$cwd" "$@"
  for name in $(env | sed -n 's/^\([^=]*\)=.*/\1/p'); do
    case $name in
    DOSECALC_CALLER) set -- -u "$name" "$@" ;;
    DOSECALC_* | SOURCE_DATE_EPOCH | DISPLAY | TERM) ;;
    *) set -- -u "$name" "$@" ;;
    esac
  done
  exec chroot --userspec="$user" "$dir" /usr/bin/env "$@"
}

[ $# -gt 0 ] || fail "$usage"
command=$1
shift
case $command in
make) make_root "$@" ;;
run) run_in_root "$@" ;;
enter) enter "$@" ;;
*) fail "unknown command '$command'; $usage" ;;
esac
