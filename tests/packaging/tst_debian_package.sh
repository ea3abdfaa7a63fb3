#!/usr/bin/env bash
# Builds the Debian package into a scratch dir and checks what a user gets:
# its dependencies, exactly our files, a valid desktop entry and AppStream
# file, a plain word where there is no display, and one application id
# shared by them and the window on screen.
# Usage: tst_debian_package.sh CPACK BUILD_DIR VERSION
set -euo pipefail
cpack=$1 build=$2 version=$3 id=org.tavrin.Tavrin share=usr/share
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*"; failed=1; }

# -B keeps the package and CPack's staging out of the build dir; naming Ninja
# skips the rebuild ("preinstall") that would race a build in progress.
"$cpack" -G DEB -B "$scratch" --config "$build/CPackConfig.cmake" -D CPACK_CMAKE_GENERATOR=Ninja >"$scratch/log" 2>&1 \
  && ! grep -qiE 'warning|error' "$scratch/log" || { cat "$scratch/log"; echo "FAIL: cpack -G DEB"; exit 1; }
deb=$scratch/tavrin_${version}_$(dpkg --print-architecture).deb

# Qt and CUPS come from dpkg-shlibdeps; what is only loaded at run time, by hand.
for pkg in fonts-liberation libqt6svg6 libqt6widgets6 libqt6dbus6 libcups2; do
  dpkg-deb -f "$deb" Depends | grep -qE "(^|, )$pkg( |,|$)" || fail "Depends lacks $pkg"
done

# Exactly our files, all under /usr: no stray library, header or test.
diff <(dpkg-deb -c "$deb" | awk '!/^d/ {print $NF}' | sort) <(printf './usr/%s\n' bin/tavrin \
  share/{applications/$id.desktop,metainfo/$id.metainfo.xml} share/icons/hicolor/scalable/apps/$id.svg \
  share/icons/hicolor/{16x16,32x32,48x48,128x128}/apps/$id.png | sort) || fail "the package's files (<) differ from ours (>)"
cd "$scratch" && dpkg -x "$deb" .
desktop-file-validate "$share/applications/$id.desktop" || fail "desktop-file-validate rejects the entry"
appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml" || fail "appstreamcli rejects the metainfo"

# Docks and software centres pair window, launcher and metadata by one id.
for line in Exec=tavrin Icon=$id StartupWMClass=$id; do
  grep -qx "$line" "$share/applications/$id.desktop" || fail "the desktop entry lacks $line"
done
grep -qF "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$share/metainfo/$id.metainfo.xml" || fail "the metainfo names another launcher"
# Without a display: one plain line and a failure status, no abort or core.
said=$(env -i usr/bin/tavrin 2>&1) && status=0 || status=$?
[[ $status == 1 && $said == *display* && $said != *$'\n'* ]] || fail "without a display ($status): $said"
timeout 30 xvfb-run -a -n 300 bash -c 'QT_QPA_PLATFORM=xcb usr/bin/tavrin 2>/dev/null & trap "kill $!" EXIT
  until xprop -len 1000000 -name Tavrin WM_CLASS _NET_WM_ICON >window 2>&1 && grep -q "Icon (" window; do
    sleep 0.1
  done' || fail "no window with an icon came up"
grep -qx "WM_CLASS(STRING) = \"tavrin\", \"$id\"" window || fail "the window's $(grep WM_CLASS window)"
sizes=$(grep -o 'Icon ([0-9]* x [0-9]*)' window | tr -d 'Icon ()' | xargs)
[[ $sizes == "16x16 32x32 48x48 128x128 256x256" ]] || fail "the window's icon sizes: $sizes"
[[ -z ${failed:-} ]] && echo "all checks passed"
