#!/bin/sh
# Writes the Debian changelog of the package from NEWS.md:
#   cmake/debian-changelog.sh NEWS.md PACKAGE "NAME <ADDRESS>" OUTPUT
# Every release heading "## VERSION (YYYY-MM-DD)" becomes an entry dated that day at midnight UTC,
# and each "- " point under it (with its indented continuation lines) one "  * " item, wrapped.
set -eu
[ $# -eq 4 ] || {
  echo "usage: cmake/debian-changelog.sh NEWS.md PACKAGE MAINTAINER OUTPUT" >&2
  exit 2
}
exec >"$4"
awk -v package="$2" -v maintainer="$3" '
function flush(    words, n, i, line) {
  if (item == "") return
  n = split(item, words, " ")
  line = "  *"
  for (i = 1; i <= n; i++) {
    if (length(line) + 1 + length(words[i]) > 78 && line != "  *" && line != "   ") {
      print line
      line = "   "
    }
    line = line " " words[i]
  }
  print line
  item = ""
}
function close_release(    command, stamp) {
  flush()
  if (date == "") return
  command = "LC_ALL=C date -u -R -d " date
  command | getline stamp
  close(command)
  printf "\n -- %s  %s\n", maintainer, stamp
}
/^## / {
  close_release()
  if ($0 !~ /^## [^ ]+ \([0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]\)$/) {
    print "debian-changelog: not a release heading: " $0 > "/dev/stderr"
    exit 1
  }
  date = substr($3, 2, 10)
  if (releases++) print ""
  printf "%s (%s) unstable; urgency=medium\n\n", package, $2
  next
}
date == "" { next }
/^- / { flush(); item = substr($0, 3); next }
/^ +[^ ]/ && item != "" { sub(/^ +/, ""); item = item " " $0; next }
{ flush() }
END {
  close_release()
  if (!releases) {
    print "debian-changelog: no release heading in the news" > "/dev/stderr"
    exit 1
  }
}' "$1"
