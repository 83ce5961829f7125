# The start every whole-program test shares (sourced, not run: ctest takes only *.sh):
# a virtual display of its own, so that key grabs and window searches never meet another
# test's; a temporary folder ($DIR) that goes away at the end with every process the test
# started ($PID and the others named in $HELPERS); and fail().
set -euo pipefail
BIN=${1:?bin folder}

if [ -z "${TR_E2E_OWN_DISPLAY:-}" ]; then
  TR_E2E_OWN_DISPLAY=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
fi

DIR=$(mktemp -d)
HELPERS=""
trap 'kill ${PID:-} ${HELPERS} 2>/dev/null || true; [ -n "${KEEP:-}" ] || rm -rf "$DIR"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# The reader as a user has it: the executable beside its help text and key names.
program_folder() { cp "$BIN/textreader" "$BIN/Howto.txt" "$BIN/KeyMap.tbl" "$DIR/"; }
