# Shared by the packaging tests: what an install must contain and how to
# tell a broken one. Sourced, not run.

app_id=org.tavrin.Tavrin

# Every file an install puts under its prefix, and nothing else: a stray
# library, header or test binary would land in the package too.
expected_files=(
  bin/tavrin
  share/applications/$app_id.desktop
  share/icons/hicolor/128x128/apps/$app_id.png
  share/icons/hicolor/16x16/apps/$app_id.png
  share/icons/hicolor/32x32/apps/$app_id.png
  share/icons/hicolor/48x48/apps/$app_id.png
  share/icons/hicolor/scalable/apps/$app_id.svg
  share/metainfo/$app_id.metainfo.xml
)

failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

finish() {
  if ((failures > 0)); then
    echo "$failures check(s) failed" >&2
    exit 1
  fi
  echo "all checks passed"
}

# Width and height from a PNG's IHDR chunk, which always comes first.
png_size() {
  local b
  read -r -d '' -a b < <(od -An -tu1 -N24 "$1") || true
  [[ ${#b[@]} -eq 24 && ${b[1]} -eq 80 && ${b[2]} -eq 78 && ${b[3]} -eq 71 ]] || { echo "not a PNG"; return; }
  echo "$(((b[16] << 24) | (b[17] << 16) | (b[18] << 8) | b[19]))x$(((b[20] << 24) | (b[21] << 16) | (b[22] << 8) | b[23]))"
}

# Checks the tree installed under prefix $1: exactly the expected files, a
# runnable program, and icons that are what their directory claims.
check_tree() {
  local prefix=$1 unexpected
  unexpected=$(diff <(printf '%s\n' "${expected_files[@]}" | sort) \
                    <(cd "$prefix" && find . ! -type d | sed 's|^\./||' | sort) || true)
  [[ -z $unexpected ]] || fail "installed files differ from the expected ones (< missing, > extra):"$'\n'"$unexpected"
  [[ -x $prefix/bin/tavrin ]] || fail "$prefix/bin/tavrin is not executable"
  local size got
  for size in 16 32 48 128; do
    got=$(png_size "$prefix/share/icons/hicolor/${size}x$size/apps/$app_id.png" 2>/dev/null)
    [[ $got == "${size}x$size" ]] || fail "icon in ${size}x$size/ is $got"
  done
  grep -q '<svg' "$prefix/share/icons/hicolor/scalable/apps/$app_id.svg" 2>/dev/null \
    || fail "scalable icon is not an SVG"
}
