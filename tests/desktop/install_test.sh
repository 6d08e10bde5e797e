#!/bin/sh
# Installs the program into a temporary prefix and checks what a desktop finds there, then builds
# the Debian package and checks its contents, its dependencies, its program's hardening and
# lintian's verdict.
#   install_test.sh SOURCE_DIR BUILD_DIR APP_ID VERSION hardened|unhardened
# (unhardened: a build that cmake/Hardening.cmake leaves alone, such as the sanitizers'.)
set -eu
source_dir=$1
build_dir=$2
app_id=$3
version=$4
hardening=$5
debian_release=$(. /etc/os-release && echo "$VERSION_ID")

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

icon_sizes="16 22 24 32 48 64 128 256 512"
expected_files() {
  echo "bin/dosecalc"
  echo "share/applications/$app_id.desktop"
  echo "share/doc/dosecalc/README.md"
  echo "share/doc/dosecalc/changelog.gz"
  echo "share/doc/dosecalc/copyright"
  for size in $icon_sizes; do
    echo "share/icons/hicolor/${size}x${size}/apps/$app_id.png"
  done
  [ "$debian_release" -lt 13 ] || echo "share/lintian/overrides/dosecalc"
  echo "share/man/ja/man1/dosecalc.1.gz"
  echo "share/man/man1/dosecalc.1.gz"
  echo "share/metainfo/$app_id.metainfo.xml"
}
expected_files | LC_ALL=C sort >"$work/expected"

# --- cmake --install into a temporary prefix -------------------------------------------------
prefix=$work/prefix
cmake --install "$build_dir" --prefix "$prefix" >/dev/null
(cd "$prefix" && find . -type f | sed 's|^\./||' | LC_ALL=C sort) >"$work/installed"
diff -u "$work/expected" "$work/installed" || fail "installed files differ from the expected set"

[ -x "$prefix/bin/dosecalc" ] || fail "bin/dosecalc is not executable"
for size in $icon_sizes; do
  icon=$prefix/share/icons/hicolor/${size}x${size}/apps/$app_id.png
  [ -f "$icon" ] || continue
  file -b "$icon" | grep -q "^PNG image data, $size x $size," || fail "$icon is not a ${size}x${size} PNG: $(file -b "$icon")"
done

desktop=$prefix/share/applications/$app_id.desktop
metainfo=$prefix/share/metainfo/$app_id.metainfo.xml
desktop-file-validate "$desktop" || fail "desktop-file-validate"
grep -qx "Name\[ja\]=1年間の被爆量 かんたん計算" "$desktop" || fail "the desktop entry lacks the Japanese name"
grep -qx "Icon=$app_id" "$desktop" || fail "the desktop entry names another icon"
grep -qx "Exec=dosecalc" "$desktop" || fail "the desktop entry starts another program"

# No error and no warning, but for the homepage that AppStream 1.0 asks for and the project has
# not yet (--no-net: the machine that runs the tests need not reach the network).
appstream_check() { # appstreamcli SUBCOMMAND ARGS...
  if ! appstreamcli "$@" --no-net >"$work/appstream.log" 2>&1; then
    cat "$work/appstream.log"
    [ "$(grep -E '^ *[EW]: ' "$work/appstream.log" | sed 's/^ *//' | sort -u)" = "W: $app_id:~: url-homepage-missing" ] ||
      fail "appstreamcli $1"
  fi
}
appstream_check validate --pedantic "$metainfo"
appstream_check validate-tree "$prefix"
# The developer as this release's AppStream reads it (1.0 from <developer>, 0.16 from <developer_name>).
appstreamcli convert --format=yaml "$metainfo" "$work/metainfo.yml" >/dev/null
grep -A3 '^Developer' "$work/metainfo.yml" | grep -q 'The dosecalc authors' ||
  fail "AppStream reads no developer name from the metainfo"
grep -q "<id>$app_id</id>" "$metainfo" || fail "the metainfo has another id"
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
  fail "the metainfo launches another desktop entry"
# One version: the newest release in NEWS.md and in the metainfo is the project's, on one date.
news_release=$(sed -n 's/^## \([^ ]*\) (\(.*\))$/\1 \2/p' "$source_dir/NEWS.md" | head -n1)
metainfo_release=$(sed -n 's/.*<release version="\([^"]*\)" date="\([^"]*\)".*/\1 \2/p' "$metainfo" | head -n1)
[ "${news_release%% *}" = "$version" ] || fail "NEWS.md's newest release is '$news_release', not $version"
[ "$metainfo_release" = "$news_release" ] ||
  fail "the metainfo's newest release '$metainfo_release' is not NEWS.md's '$news_release'"
for lang_tag in '<summary xml:lang="ja">' '<p xml:lang="ja">' '<name xml:lang="ja">1年間の被爆量 かんたん計算</name>'; do
  grep -qF "$lang_tag" "$metainfo" || fail "the metainfo lacks $lang_tag"
done
# The project has no web home of its own yet: what is installed names no host (no homepage, no
# remote screenshot), so a software centre shows nothing that someone else serves.
names_a_host() { # prints every address with a scheme and every www. name in the file
  grep -Eno '[[:alpha:]][[:alnum:]+.-]*://[^[:space:]<>"]*|www\.[[:alnum:].-]+' "$1"
}
for file in "$metainfo" "$desktop"; do
  names_a_host "$file" && fail "$file names a host"
done
grep -Eq '<url[ >]|<screenshots?[ >]' "$metainfo" && fail "the metainfo has a homepage or a screenshot"

# --- the Debian package ---------------------------------------------------------------------
(cd "$build_dir" && cpack -G DEB -B "$work/package" >"$work/cpack.log" 2>&1) || {
  cat "$work/cpack.log" >&2
  fail "cpack -G DEB"
}
deb=$(find "$work/package" -maxdepth 1 -name "dosecalc_${version}_*.deb")
if [ -z "$deb" ]; then
  fail "no dosecalc_${version}_*.deb was built"
else
  [ "$(dpkg-deb -f "$deb" Package)" = dosecalc ] || fail "package name"
  [ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "package version"
  [ "$(dpkg-deb -f "$deb" Architecture)" = "$(dpkg --print-architecture)" ] || fail "package architecture"
  [ -z "$(dpkg-deb -f "$deb" Homepage)" ] || fail "the package names a homepage: $(dpkg-deb -f "$deb" Homepage)"
  depends=$(dpkg-deb -f "$deb" Depends)
  echo "Depends: $depends"
  # Computed from the binary by dpkg-shlibdeps: every library the program links comes from a
  # package it depends on.
  depends_names=$(echo "$depends" | tr ',' '\n' | sed 's/^ *//; s/ .*//')
  for soname in $(objdump -p "$prefix/bin/dosecalc" | awk '$1 == "NEEDED" { print $2 }'); do
    owners=$(dpkg -S "*/$soname" 2>/dev/null | cut -d: -f1 | sort -u)
    found=""
    for owner in $owners; do
      echo "$depends_names" | grep -qx "$owner" && found=$owner
    done
    [ -n "$found" ] || fail "Depends lacks the package of $soname (${owners:-no package owns it})"
  done
  echo "$depends" | grep -q "libqt6widgets6 (>= " || fail "Depends gives Qt no version (not from shlibdeps?)"
  echo "$depends" | tr ',' '\n' | grep -qx " *fonts-ipafont-gothic *" || fail "Depends lacks fonts-ipafont-gothic"
  echo "$depends" | tr ',' '\n' | grep -qx " *qt6-translations-l10n *" || fail "Depends lacks qt6-translations-l10n"
  echo "$depends" | grep -q -- '-dev\b' && fail "Depends names a development package"

  dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $NF }' | sed 's|^\./usr/||' | LC_ALL=C sort >"$work/packaged"
  diff -u "$work/expected" "$work/packaged" || fail "packaged files differ from the expected set"
  dpkg-deb -x "$deb" "$work/root"
  program=$work/root/usr/bin/dosecalc
  file -b "$program" | grep -q ", stripped" || fail "the packaged program is not stripped"
  # Hardened as dpkg-buildflags builds Debian's programs: position-independent, relocations
  # read-only and bound at start-up, stack protector and fortified libc calls.
  if [ "$hardening" = hardened ]; then
    readelf -hW "$program" | grep -q 'Type: *DYN' || fail "the program is not position-independent"
    readelf -lW "$program" | grep -q GNU_RELRO || fail "the program has no read-only relocations"
    readelf -dW "$program" | grep -Eq 'BIND_NOW|FLAGS_1.* NOW' || fail "the program is not bound at start-up"
    readelf --dyn-syms -W "$program" | grep -q ' __stack_chk_fail@' || fail "the program has no stack protector"
    readelf --dyn-syms -W "$program" | grep -Eq ' __[a-z]+_chk@' || fail "the program calls no fortified libc function"
  else
    echo "hardening not checked: this build is not hardened (cmake/Hardening.cmake)"
  fi
  # As Debian would take it: no error and no warning (informational tags are listed, not failed).
  lintian --fail-on error,warning --display-info "$deb" || fail "lintian reports errors or warnings"
fi

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed" >&2
  exit 1
fi
echo "install and package checks passed"
