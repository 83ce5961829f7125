#!/usr/bin/env bash
# The installable program: CPack makes the Debian package of this build, dpkg -x unpacks it
# into a temporary root, and the unpacked reader starts there as a user who cannot write its
# folder: the executables, Howto.txt and KeyMap.tbl sit together, the menu entry and icons
# are in place, and Save/ goes to the user's data folder.
source "$(dirname "$0")/common.bash"
BUILD=$(cd "$BIN/.." && pwd)

(cd "$BUILD" && cpack -G DEB -B "$DIR/pkg" >"$DIR/cpack.log" 2>&1) || { cat "$DIR/cpack.log"; fail "cpack"; }
DEB=$(ls "$DIR"/pkg/textreader_*.deb) || fail "no package made"
DEPENDS=$(dpkg-deb -f "$DEB" Depends)
for lib in libqt6widgets6 libxcb1 libicu qt6-qpa-plugins; do
  grep -q "$lib" <<<"$DEPENDS" || fail "Depends lacks $lib: $DEPENDS"
done

ROOT="$DIR/root"
dpkg -x "$DEB" "$ROOT"
for f in lib/textreader/textreader lib/textreader/textreader-cli lib/textreader/textreader-cli-fonts \
         lib/textreader/Howto.txt lib/textreader/KeyMap.tbl share/applications/textreader.desktop \
         share/icons/hicolor/scalable/apps/textreader.svg share/icons/hicolor/48x48/apps/textreader.png; do
  [ -f "$ROOT/usr/$f" ] || fail "the package lacks /usr/$f"
done
[ "$(readlink "$ROOT/usr/bin/textreader")" = ../lib/textreader/textreader ] || fail "no textreader command"
grep -qx 'Exec=textreader' "$ROOT/usr/share/applications/textreader.desktop" || fail "menu entry"

# A user who cannot write /usr/lib/textreader: X access through a copy of the cookie.
chmod 755 "$DIR"
HOME_DIR="$DIR/home"
mkdir -p "$HOME_DIR" && chown nobody "$HOME_DIR"
if [ -n "${XAUTHORITY:-}" ]; then cp "$XAUTHORITY" "$DIR/xauth"; chmod 644 "$DIR/xauth"; fi
setpriv --reuid=nobody --regid=nogroup --clear-groups \
  env HOME="$HOME_DIR" XDG_DATA_HOME="$HOME_DIR/data" XAUTHORITY="$DIR/xauth" \
  "$ROOT/usr/bin/textreader" >"$DIR/out.log" 2>&1 &
PID=$!
WID=$(timeout 20 xdotool search --sync --onlyvisible --name '^テキストリーダ$' | head -1) \
  || { cat "$DIR/out.log"; fail "the installed reader did not start"; }
xdotool windowfocus --sync "$WID" 2>/dev/null || true
xdotool key Escape
for _ in $(seq 1 50); do kill -0 "$PID" 2>/dev/null || break; sleep 0.2; done
wait "$PID" || fail "the installed reader ended with status $?"
PID=
SAVE="$HOME_DIR/data/textreader/Save"
for f in clip.txt Setting.ini rireki.dat; do
  [ -f "$SAVE/$f" ] || fail "no $f in the user's data folder"
done
[ ! -e "$ROOT/usr/lib/textreader/Save" ] || fail "Save/ made in the program folder"
# The help text of the first run came from beside the installed executable.
tail -c +4 "$ROOT/usr/lib/textreader/Howto.txt" | iconv -f UTF-8 -t CP932 | cmp -s - "$SAVE/clip.txt" \
  || fail "the first run did not show the installed help text"
echo "ok"
