#!/bin/sh
# Formats every C++ file of the tree (tracked, or new and not ignored) by .clang-format, with the
# Debian release's own clang-format (14 on Debian 12, 19 on Debian 13; both keep the same style):
#   scripts/format.sh           rewrites the files that are not formatted
#   scripts/format.sh --check   changes nothing; lists them and fails if there are any
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/scripts/debian-release.sh"
clang_format=clang-format-$llvm
if ! command -v "$clang_format" >/dev/null 2>&1; then
  echo "format.sh: $clang_format is missing (scripts/install-deps.sh test installs it)" >&2
  exit 1
fi
cd "$root"
files=$(git ls-files --cached --others --exclude-standard -- '*.cpp' '*.h')
case ${1:-} in
  --check)
    # shellcheck disable=SC2086
    if ! report=$("$clang_format" --dry-run --Werror $files 2>&1); then
      echo "Not formatted (scripts/format.sh formats them):" >&2
      printf '%s\n' "$report" | sed -n 's/^\([^:]*\):[0-9]*:[0-9]*: error: .*/  \1/p' | sort -u >&2
      exit 1
    fi
    ;;
  "")
    # shellcheck disable=SC2086
    "$clang_format" -i $files
    ;;
  *)
    echo "usage: scripts/format.sh [--check]" >&2
    exit 2
    ;;
esac
