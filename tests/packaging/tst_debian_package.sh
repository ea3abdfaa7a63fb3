#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package as scripts/package does and checks what a user
# gets: lintian's verdict, the dependencies only loaded at run time, exactly
# our files, a valid desktop entry and AppStream file, then, installed for
# real, a plain word where there is no display and one application id shared
# by the entry, the AppStream file and the window on screen. The package is
# purged again on the way out.
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
# Without a display: one plain line and a failure status, no abort or core.
said=$(env -i /usr/bin/tavrin 2>&1) && status=0 || status=$?
[[ $status == 1 && $said == *display* && $said != *$'\n'* ]] || fail "without a display ($status): $said"
# Without -noreset the server resets each time the polling xprop leaves, and
# turns the planner away should it connect just then.
timeout 120 xvfb-run -a -n 300 -s -noreset bash -c 'QT_QPA_PLATFORM=xcb tavrin 2>/dev/null & trap "kill $!" EXIT
  until xprop -len 1000000 -name Tavrin WM_CLASS _NET_WM_ICON >window 2>&1 && grep -q "Icon (" window; do
    sleep 0.1
  done' || fail "no window with an icon came up"
grep -qx "WM_CLASS(STRING) = \"tavrin\", \"$id\"" window || fail "the window's $(grep WM_CLASS window)"
sizes=$(grep -o 'Icon ([0-9]* x [0-9]*)' window | tr -d 'Icon ()' | xargs)
[[ $sizes == "16x16 32x32 48x48 128x128 256x256" ]] || fail "the window's icon sizes: $sizes"
[[ -z ${failed:-} ]] && echo "all checks passed"
