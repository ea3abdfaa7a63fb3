#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks what the desktop needs:
# every file in its place, a valid desktop entry and metainfo, icons that
# match each other by name and the sizes they are filed under.
# Usage: tst_installed_files.sh CMAKE BUILD_DIR VERSION
set -euo pipefail
cmake=$1 build=$2 version=$3
source "$(dirname "$0")/common.sh"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
prefix=$scratch/prefix

if ! "$cmake" --install "$build" --prefix "$prefix" >"$scratch/log" 2>&1; then
  cat "$scratch/log" >&2
  fail "cmake --install failed"
  finish
fi
check_tree "$prefix"

desktop=$prefix/share/applications/$app_id.desktop
metainfo=$prefix/share/metainfo/$app_id.metainfo.xml
desktop-file-validate "$desktop" || fail "desktop-file-validate rejects the desktop entry"
appstreamcli validate --no-net "$metainfo" >"$scratch/as" 2>&1 \
  || { cat "$scratch/as" >&2; fail "appstreamcli rejects the metainfo"; }

# The desktop matches windows, launchers and software centres by these names,
# so a rename on one side only breaks them silently.
grep -qx "Exec=tavrin\( .*\)\?" "$desktop" || fail "desktop entry does not run the installed tavrin"
grep -qx "Icon=$app_id" "$desktop" || fail "desktop entry's icon is not $app_id"
grep -q "<id>$app_id</id>" "$metainfo" || fail "metainfo id is not $app_id"
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" \
  || fail "metainfo does not launch $app_id.desktop"
grep -q "<release version=\"$version\"" "$metainfo" \
  || fail "metainfo has no release entry for version $version"
finish
