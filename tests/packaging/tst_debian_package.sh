#!/usr/bin/env bash
# Builds the Debian package from the build dir into a scratch dir and checks
# its control fields, its dependencies and the files it unpacks to.
# Usage: tst_debian_package.sh CPACK BUILD_DIR SOURCE_DIR VERSION [sanitized]
set -euo pipefail
cpack=$1 build=$2 source_dir=$3 version=$4 build_kind=${5:-}
source "$(dirname "$0")/common.sh"

if [[ $build_kind == sanitized ]]; then
  # Such a package would depend on libasan and libubsan and carry the source
  # paths UBSan reports with: nothing anyone would install.
  echo "SKIPPED: a sanitizer build makes no shippable package; run this test in a plain build"
  exit 77
fi

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# -B keeps the package and CPack's staging tree out of the build dir. With a
# Makefiles build dir, CPack would first build every target there through
# "preinstall", racing a build in progress and failing on any half-edited
# target. Naming Ninja, which has no such step, packages what has been built;
# the staging install itself is the same.
if ! "$cpack" -G DEB -B "$scratch/out" --config "$build/CPackConfig.cmake" \
     -D CPACK_CMAKE_GENERATOR=Ninja >"$scratch/log" 2>&1; then
  cat "$scratch/log" >&2
  find "$scratch/out" -name '*Output.log' -exec tail -n 20 {} + >&2
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
for pkg in fonts-liberation libqt6core6 libqt6gui6 libqt6widgets6 libqt6dbus6 libcups2; do
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
