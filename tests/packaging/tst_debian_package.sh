#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package as scripts/package does and checks what a user
# gets: lintian's verdict, the dependencies only loaded at run time, exactly
# our files, a valid desktop entry and AppStream file, then, installed for
# real, its command line, a plain word naming why the window cannot open,
# and one application id shared by the entry, the AppStream file and the
# window on screen. The package is purged again on the way out.
# Usage: tst_debian_package.sh SOURCE_DIR VERSION
set -euo pipefail
src=$1 version=$2 id=org.tavrin.Tavrin share=/usr/share arch=$(dpkg --print-architecture)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*"; failed=1; }

# Built afresh for each state of the sources; scripts/test sets a cache that
# lets its second build's test reuse the first one's package of the same files.
key=$(cd "$src" && git ls-files -z -co --exclude-standard \
  | tar --null -T - --ignore-failed-read --sort=name --mtime=@0 -cf - 2>/dev/null | sha256sum | cut -c1-16)
out=${TAVRIN_PACKAGE_CACHE:-$scratch}/$key
deb=$out/tavrin_${version}_$arch.deb dbgsym=$out/tavrin-dbgsym_${version}_$arch.deb
[[ -f $deb ]] || "$src/scripts/package" "$out" >/dev/null || { echo "FAIL: scripts/package"; exit 1; }
[[ -f $deb && -f $dbgsym ]] || { echo "FAIL: no $deb with its -dbgsym package: $(ls "$out")"; exit 1; }

# Debian's own checks, down to the info level where the hardening tags are:
# among them a missing copyright, changelog or manual page, a dependency
# dpkg-shlibdeps should have found, and a launcher whose command, keys or
# categories are wrong. An override shows up here and fails as well.
lintian -I --show-overrides --tag-display-limit 0 "$deb" "$dbgsym" >"$scratch/lintian" 2>&1 || echo "status $?" >>"$scratch/lintian"
grep -v '^running with root privileges' "$scratch/lintian" && fail "lintian has the above to say"
# Loaded at run time only, so named by hand: Arial's metrics.
dpkg-deb -f "$deb" Depends | grep -qE "(^|, )fonts-liberation( |,|$)" || fail "Depends lacks fonts-liberation"
# Exactly our files, all under /usr: no stray library, header or test.
diff <(dpkg-deb -c "$deb" | awk '!/^d/ {print $NF}' | sort) <(printf './usr/%s\n' bin/tavrin \
  share/{applications/$id.desktop,metainfo/$id.metainfo.xml} share/icons/hicolor/scalable/apps/$id.svg \
  share/icons/hicolor/{16x16,32x32,48x48,128x128}/apps/$id.png \
  share/doc/tavrin/{copyright,changelog.gz} share/man/man1/tavrin.1.gz | sort) \
  || fail "the package's files (<) differ from ours (>)"

# Installed for real (as root, or through a sudo that allows apt-get) and
# purged on the way out; a tavrin the machine already has is not ours to replace.
status=$(dpkg-query -W -f='${db:Status-Status}' tavrin 2>/dev/null || true)
[[ ${status:-not-installed} == not-installed ]] || { echo "FAIL: tavrin is $status here; remove it first"; exit 1; }
[[ $(id -u) -eq 0 ]] && sudo=() || sudo=(sudo -n)
export DEBIAN_FRONTEND=noninteractive
apt=("${sudo[@]}" apt-get -y -qq -o DPkg::Lock::Timeout=120)
trap '"${apt[@]}" purge tavrin >/dev/null; rm -rf "$scratch"' EXIT
"${apt[@]}" install --no-install-recommends "$deb" >"$scratch/apt" 2>&1 \
  || { cat "$scratch/apt"; echo "FAIL: apt-get install"; exit 1; }
cd "$scratch"
head -n1 $share/doc/tavrin/copyright | grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' \
  || fail "the copyright file is not machine-readable"
desktop-file-validate "$share/applications/$id.desktop" || fail "desktop-file-validate rejects the entry"
appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml" >appstream || { cat appstream; fail "appstreamcli rejects the metainfo"; }
# Docks and software centres pair window, launcher and metadata by one id.
for line in Icon=$id StartupWMClass=$id; do
  grep -qx "$line" "$share/applications/$id.desktop" || fail "the desktop entry lacks $line"
done
for tag in "<launchable type=\"desktop-id\">$id.desktop</launchable>" "<release version=\"$version\" "; do
  grep -qF "$tag" "$share/metainfo/$id.metainfo.xml" || fail "the metainfo lacks $tag"
done
# Without a display: the command line answered, and where the window cannot
# open one line naming the cause, no abort or core. Each row: the
# environment, the arguments, the exit status and what is said (a pattern).
# A Wayland socket that nobody listens on refuses; a library the xcb plugin
# needs, replaced by another, leaves the plugin found but unloadable. Every
# user has a HOME: without one, fontconfig has no cache it may write, where
# the system's is out of date, and says so.
python3 -c 'import socket; socket.socket(socket.AF_UNIX).bind("refusing")'
ln -s "$(dpkg -L zlib1g | grep -m1 '/libz\.so\.1$')" libQt6XcbQpa.so.6
while IFS='|' read -r environment arguments status pattern; do
  said=$(env -i HOME="$scratch" $environment /usr/bin/tavrin $arguments 2>&1) && got=0 || got=$?
  [[ $got == "$status" && $said == $pattern && ($got == 0 || $said != *$'\n'*) ]] \
    || fail "tavrin $arguments with ${environment:-no display}: status $got, said: $said"
done <<EOF
|--version|0|tavrin $version
|--help|0|Usage: tavrin ?options?*--help*--version*
|--bogus|2|tavrin: unknown option 'bogus'*
||1|tavrin: cannot open a display; *DISPLAY is not set*
DISPLAY=:0 QT_QPA_PLATFORM=nosuchplugin||1|tavrin: cannot find the Qt platform plugin "nosuchplugin"
XDG_RUNTIME_DIR=$PWD WAYLAND_DISPLAY=refusing QT_QPA_PLATFORM=wayland||1|tavrin: cannot connect to the Wayland display refusing: Connection refused
DISPLAY=:0 LD_LIBRARY_PATH=$PWD||1|tavrin: the Qt platform plugin "xcb" is installed but cannot be loaded*
EOF
# Without -noreset the server resets each time the polling xprop leaves, and
# turns the planner away should it connect just then.
timeout 120 "$src/tests/session/with-xvfb" -s -noreset bash -c 'QT_QPA_PLATFORM=xcb tavrin 2>/dev/null & trap "kill $!" EXIT
  until xprop -len 1000000 -name Tavrin WM_CLASS _NET_WM_ICON >window 2>&1 && grep -q "Icon (" window; do
    sleep 0.1
  done' || fail "no window with an icon came up"
grep -qx "WM_CLASS(STRING) = \"tavrin\", \"$id\"" window || fail "the window's $(grep WM_CLASS window)"
sizes=$(grep -o 'Icon ([0-9]* x [0-9]*)' window | tr -d 'Icon ()' | xargs)
[[ $sizes == "16x16 32x32 48x48 128x128 256x256" ]] || fail "the window's icon sizes: $sizes"
[[ -z ${failed:-} ]] && echo "all checks passed"
