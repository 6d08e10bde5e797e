# Sourced by the scripts that depend on the Debian release they run on: sets release (bookworm,
# trixie) and llvm, the version of that release's clang and clang-format; stops with one line on
# any other system.
release=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
case $release in
bookworm) llvm=14 ;;
trixie) llvm=19 ;;
*)
  echo "$(basename "$0"): knows Debian 12 (bookworm) and Debian 13 (trixie), not '${release:-this system}'" >&2
  exit 1
  ;;
esac
