#!/usr/bin/env bash
# Checks the Debian package that `make package` built in the given build folder:
# lintian finds no errors, the desktop entry and the AppStream metadata validate,
# the package holds every file it must, and the packaged program starts from an
# unpacked copy on Qt's offscreen platform, in a home folder of its own.
#
#   packaging/check-package.sh [build folder]
#
# Only the processes started here are signalled, by their PIDs; every wait has a
# deadline.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$here/build}" && pwd)
app_id=org.example.quorvane.QuorvaneLog
limit=30 # seconds for the program's first window

fail() {
    echo "check-package.sh: $*" >&2
    exit 1
}

version=$(sed -n 's/^project(QuorvaneLog VERSION \([0-9.]*\).*/\1/p' "$here/CMakeLists.txt")
deb=$build/quorvane-log_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || fail "$deb is not built (make package)"

dir=$(mktemp -d)
app=
cleanup() {
    if [ -n "$app" ] && kill -0 "$app" 2>/dev/null; then
        kill -KILL "$app" 2>/dev/null || true
        wait "$app" 2>/dev/null || true
    fi
    rm -rf "$dir"
}
trap cleanup EXIT

echo "== lintian"
lintian --fail-on error "$deb" | tee "$dir/lintian.txt"
! grep -q '^E: ' "$dir/lintian.txt" || fail "lintian reports errors"

echo "== control"
dpkg-deb --field "$deb" Package Version Section Depends Recommends | tee "$dir/control.txt"
grep -q '^Depends: .*libc6' "$dir/control.txt" || fail "no dependencies from shlibdeps"
grep -q '^Depends: .*libqt6widgets6' "$dir/control.txt" || fail "no dependency on Qt's widgets"
for p in hamradio-files libhamlib-utils speech-dispatcher; do
    grep -q "^Recommends: .*\b$p\b" "$dir/control.txt" || fail "$p is not recommended"
done

echo "== contents"
dpkg -c "$deb" | awk '{print $NF}' | sed 's|^\./|/|' >"$dir/contents.txt"
expected=(
    /usr/bin/quorvane-log
    /usr/share/applications/$app_id.desktop
    /usr/share/metainfo/$app_id.metainfo.xml
    /usr/share/icons/hicolor/scalable/apps/quorvane-log.svg
    /usr/share/icons/hicolor/128x128/apps/quorvane-log.png
    /usr/share/man/man1/quorvane-log.1.gz
    /usr/share/doc/quorvane-log/copyright
    /usr/share/doc/quorvane-log/changelog.gz
)
# Every file of data/ but its README, and the spoken words.
for f in "$here"/data/* "$here"/data/voice/*.wav; do
    [ -f "$f" ] && [ "${f##*/}" != README.md ] || continue
    expected+=("/usr/share/quorvane-log/${f#"$here"/data/}")
done
for f in "${expected[@]}"; do
    grep -qxF "$f" "$dir/contents.txt" || fail "$f is not in the package"
done
echo "${#expected[@]} files present"

echo "== unpacked copy"
root=$dir/root
dpkg -x "$deb" "$root"
desktop-file-validate "$root/usr/share/applications/$app_id.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/$app_id.metainfo.xml"
man --warnings -l "$root/usr/share/man/man1/quorvane-log.1.gz" >/dev/null

program=$root/usr/bin/quorvane-log
[ "$("$program" --version)" = "quorvane-log $version" ] || fail "--version does not answer $version"
if "$program" --frobnicate 2>/dev/null; then
    fail "an unknown word was accepted"
fi

# Started as from the desktop menu: in its home folder, which must give
# ~/QuorvaneLog. The station window is the first window of every start; Qt's
# painting log says when it is drawn. A missing data file would put a message
# box before it.
home=$dir/home
mkdir "$home"
(cd "$home" && HOME=$home XDG_CONFIG_HOME=$home/.config QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES='qt.widgets.painting=true' \
    exec "$program") >"$dir/program.out" 2>&1 &
app=$!
deadline=$((SECONDS + limit))
until grep -q 'Drawing .* of qv::frmStationID' "$dir/program.out"; do
    if ! kill -0 "$app" 2>/dev/null; then
        cat "$dir/program.out" >&2
        fail "the program ended before its first window"
    fi
    [ "$SECONDS" -lt "$deadline" ] || fail "no window after $limit s"
    sleep 0.1
done
echo "the first window appeared"
[ -f "$home/QuorvaneLog/.quorvane-log.lock" ] || fail "the program did not work in ~/QuorvaneLog"
# Until the station window is confirmed a signal simply ends the program.
kill -TERM "$app"
deadline=$((SECONDS + 10))
while kill -0 "$app" 2>/dev/null; do
    [ "$SECONDS" -lt "$deadline" ] || fail "the program did not close"
    sleep 0.1
done
wait "$app" 2>/dev/null || true
app=
echo "package checked: $deb"
