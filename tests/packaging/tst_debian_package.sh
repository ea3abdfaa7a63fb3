#!/usr/bin/env bash
# Builds the Debian package from the build dir into a scratch dir and checks
# its control fields, its dependencies and the files it unpacks to.
# Usage: tst_debian_package.sh CPACK BUILD_DIR SOURCE_DIR VERSION
set -euo pipefail
cpack=$1 build=$2 source_dir=$3 version=$4
source "$(dirname "$0")/common.sh"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# -B keeps the package and CPack's staging tree out of the build dir.
if ! "$cpack" -G DEB -B "$scratch/out" --config "$build/CPackConfig.cmake" >"$scratch/log" 2>&1; then
  cat "$scratch/log" >&2
  fail "cpack -G DEB failed"
  finish
fi
if grep -iE 'warning|error' "$scratch/log" >&2; then
  fail "cpack reported the lines above"
fi
debs=("$scratch"/out/*.deb)
deb=${debs[0]}
expected_name=tavrin_${version}_$(dpkg --print-architecture).deb
[[ ${#debs[@]} -eq 1 && $(basename "$deb") == "$expected_name" ]] \
  || { fail "expected exactly $expected_name, got: ${debs[*]##*/}"; finish; }

field() { dpkg-deb -f "$deb" "$1"; }
[[ $(field Package) == tavrin ]] || fail "Package is '$(field Package)'"
[[ $(field Version) == "$version" ]] || fail "Version is '$(field Version)', not $version"
[[ -n $(field Maintainer) && -n $(field Description) ]] || fail "Maintainer or Description is empty"

# Qt and CUPS come from dpkg-shlibdeps reading the binary; the fonts are only
# loaded at run time and so must be named by hand.
depends=$(field Depends)
for pkg in fonts-liberation libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 libcups2; do
  sed 's/ *([^)]*)//g; s/, */\n/g' <<<"$depends" | grep -qx "$pkg" \
    || fail "Depends lacks $pkg: $depends"
done

# An absolute install destination or a leaked staging path would show here.
listing=$(dpkg-deb -c "$deb" | awk '{print $NF}')
if grep -vE '^\./(usr/.*)?$' <<<"$listing" >&2 || grep -F -e "$build" -e "$source_dir" <<<"$listing" >&2; then
  fail "package holds the paths above, outside /usr or from the build"
fi

root=$scratch/root
dpkg -x "$deb" "$root"
check_tree "$root/usr"
binary=$root/usr/bin/tavrin
# Debian forbids a library search path, and one into the build tree would
# make the installed program load stale libraries from it.
if readelf -d "$binary" | grep -E 'RPATH|RUNPATH' >&2; then
  fail "installed tavrin carries the search path above"
fi
if grep -qF "$build" "$binary"; then
  fail "installed tavrin still mentions the build dir $build"
fi
finish
