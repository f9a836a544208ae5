#!/bin/bash
# Real-window test of inpmigrate: starts a private Xvfb, runs the program without arguments
# and drives its window with xdotool the way a user would: presses "Convert File", types the
# names into the toolkit's own file dialogs, answers "File Exists" with Cancel, OK and the
# close button, reads the message boxes, and checks the files on disk after every press.
#
# Usage: window_test.sh PROGRAM XCLOSE DATA_DIR SHOT_DIR
#   PROGRAM   the inpmigrate program
#   XCLOSE    helper that sends WM_DELETE_WINDOW to a window id (as a window manager would)
#   DATA_DIR  the test fixtures (legacy files and their expected conversions)
#   SHOT_DIR  screenshots of the screen at every step are saved there (test artefacts)
# Environment: WINDOW_TEST_LIMIT  overall limit in seconds (default 180)
#              WINDOW_TEST_STEP   limit for one wait in seconds (default 20)
# Exit status 0 only when every step passed; 1 on a failed step; 124 at the overall limit.
# Needs no display, no window manager and no standard input; runs as root or not.

set -u
PROG=$(readlink -f "${1:?usage: $0 PROGRAM XCLOSE DATA_DIR SHOT_DIR}")
XCLOSE=$(readlink -f "${2:?}")
FIXTURES=$(readlink -f "${3:?}")
SHOTS=${4:?}
LIMIT=${WINDOW_TEST_LIMIT:-180}
STEP=${WINDOW_TEST_STEP:-20}
for tool in Xvfb xdotool xwininfo import; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool is not installed" >&2; exit 1; }
done
rm -rf "$SHOTS" && mkdir -p "$SHOTS" && SHOTS=$(readlink -f "$SHOTS") || exit 1

WORK=$(mktemp -d) || exit 1
XVFB_PID="" APP_PID="" WATCHDOG_PID="" SHOT_NO=0

cleanup() {
  local rc=$?
  trap - EXIT INT TERM
  [ -n "$APP_PID" ] && kill "$APP_PID" 2>/dev/null
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null
  [ -n "$WATCHDOG_PID" ] && kill "$WATCHDOG_PID" 2>/dev/null
  [ -n "$APP_PID" ] && wait "$APP_PID" 2>/dev/null
  [ -n "$XVFB_PID" ] && wait "$XVFB_PID" 2>/dev/null
  if [ "$rc" -ne 0 ] && [ -s "$WORK/app.log" ]; then
    echo "--- program output ---" >&2
    cat "$WORK/app.log" >&2
  fi
  rm -rf "$WORK"
  exit "$rc"
}
trap cleanup EXIT
trap 'echo "FAIL: overall time limit of ${LIMIT}s reached" >&2; exit 124' TERM
trap 'exit 130' INT

# Watchdog: TERM this shell when the overall limit is reached.
(
  trap 'kill $s 2>/dev/null; exit 0' TERM
  sleep "$LIMIT" &
  s=$!
  wait $s
  kill -TERM $$
) &
WATCHDOG_PID=$!

fail() {
  echo "FAIL: $*" >&2
  shot "failure"
  exit 1
}
step() { echo "--- $*"; }

shot() { # shot NAME: screenshot of the whole screen
  SHOT_NO=$((SHOT_NO + 1))
  import -window root "$SHOTS/$(printf '%02d' "$SHOT_NO")-$1.png" 2>/dev/null || true
}

wait_window() { # wait_window TITLE: print the id of the visible window titled exactly TITLE
  local id
  id=$(timeout "$STEP" xdotool search --sync --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1)
  [ -n "$id" ] || fail "no window \"$1\" within ${STEP}s"
  echo "$id"
}

wait_gone() { # wait_gone ID: until the window is destroyed or unmapped
  local i
  for ((i = 0; i < STEP * 10; i++)); do
    xwininfo -id "$1" 2>/dev/null | grep -q 'IsViewable' || return 0
    sleep 0.1
  done
  fail "window $1 still shown after ${STEP}s"
}

focus() { timeout "$STEP" xdotool windowfocus --sync "$1" || fail "cannot focus window $1"; }

# No window with any of the given titles may be visible.
expect_none() {
  local title
  for title in "$@"; do
    [ -z "$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null)" ] ||
      fail "unexpected window \"$title\""
  done
}

press_button() { # the main window's only focusable widget is the button
  focus "$MAIN"
  if [ "$PRESSES" -eq 0 ]; then xdotool key Tab space; else xdotool key space; fi
  PRESSES=$((PRESSES + 1))
}

answer_file_dialog() { # answer_file_dialog TITLE NAME: type NAME into the File Name field
  # (an empty NAME accepts the name the dialog proposes)
  local id
  id=$(wait_window "$1") || exit 1
  # The press before this one has ended: no box of it may still be up.
  expect_none "Done" "Error" "File Exists" "File read Error" "File Save Error"
  focus "$id"
  xdotool key alt+f # hot key of "File Name:": focuses the field and selects its text
  [ -z "$2" ] || xdotool type --delay 10 -- "$2"
  shot "$(echo "$1" | tr ' ' '-')-typed"
  xdotool key Return
  wait_gone "$id"
}

cancel_file_dialog() { # cancel_file_dialog TITLE
  local id
  id=$(wait_window "$1") || exit 1
  focus "$id"
  xdotool key Escape
  wait_gone "$id"
}

BOX_WIDTH=0
press_ok() { # press_ok TITLE: read the box's width, shoot it, press its default button (OK)
  local id
  id=$(wait_window "$1") || exit 1
  BOX_WIDTH=$(xwininfo -id "$id" | sed -n 's/^ *Width: *//p')
  shot "$(echo "$1" | tr ' ' '-')"
  import -window "$id" "$SHOTS/box-$(echo "$1" | tr ' ' '-')-$PRESSES.png" 2>/dev/null || true
  focus "$id"
  xdotool key Return
  wait_gone "$id"
}

same_bytes() { # same_bytes FILE EXPECTED_FILE WHAT
  cmp -s "$1" "$2" || {
    diff "$2" "$1" >&2
    fail "$3"
  }
}

# --- fixtures -------------------------------------------------------------------------
DATA="$WORK/data" RUN="$WORK/run"
mkdir -p "$WORK/home" "$RUN" "$DATA" || exit 1
cp "$FIXTURES/renumbered.inp" "$DATA/model.inp"
cp "$FIXTURES/renumbered.inp" "$RUN/start.inp"
EXPECTED="$FIXTURES/renumbered_current.inp"
printf 'old\n' >"$DATA/existing.inp"
printf 'old too\n' >"$DATA/existing2.inp"
printf 'malformed\n10 5\n' >"$DATA/bad.inp"
ln -s model.inp "$DATA/link.inp"
cp "$DATA/model.inp" "$WORK/model.orig"
printf 'x\n' >"$DATA/locked.inp"
# The program runs as an ordinary user, so that a file without read permission cannot be read
# by it even when the test runs as root. It is run from a copy in the temporary folder, which
# that user can reach wherever the build folder is.
mkdir -p "$WORK/bin" && cp "$PROG" "$WORK/bin/inpmigrate" && PROG="$WORK/bin/inpmigrate" || exit 1
RUN_AS=()
if [ "$(id -u)" -eq 0 ]; then
  RUN_AS=(setpriv --reuid=nobody --regid=nogroup --clear-groups --)
  chmod -R a+rwX "$WORK" || exit 1
fi
chmod 000 "$DATA/locked.inp"

# Under AddressSanitizer: the font library behind the toolkit keeps its font cache until the
# process ends, which LeakSanitizer reports as leaks at exit. Only those are suppressed; leaks
# anywhere else still fail the test. (Ignored by builds without the sanitizer.)
printf 'leak:libfontconfig.so\n' >"$WORK/lsan.supp"
chmod a+r "$WORK/lsan.supp"
export LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}suppressions=$WORK/lsan.supp"

# --- private X server -----------------------------------------------------------------
step "start Xvfb"
# -noreset: without it the server resets whenever its last client leaves and refuses
# connections meanwhile; -displayfd: Xvfb picks a free display number itself.
Xvfb -displayfd 3 -noreset -screen 0 1024x768x24 -nolisten tcp 3>"$WORK/display" \
  </dev/null >"$WORK/xvfb.log" 2>&1 &
XVFB_PID=$!
for ((i = 0; i < STEP * 10; i++)); do
  [ -s "$WORK/display" ] && break
  kill -0 "$XVFB_PID" 2>/dev/null || {
    cat "$WORK/xvfb.log" >&2
    fail "Xvfb ended"
  }
  sleep 0.1
done
[ -s "$WORK/display" ] || fail "Xvfb gave no display number within ${STEP}s"
export DISPLAY=":$(head -n 1 "$WORK/display")"
echo "display $DISPLAY"

# --- program --------------------------------------------------------------------------
step "start $PROG"
# A fresh HOME: the toolkit keeps its settings (file dialog size and style) there.
(cd "$RUN" && HOME="$WORK/home" exec "${RUN_AS[@]}" "$PROG") </dev/null >"$WORK/app.log" 2>&1 &
APP_PID=$!
MAIN=$(wait_window "FILE CONVERT") || exit 1
PRESSES=0
shot main-window
import -window "$MAIN" "$SHOTS/window.png" 2>/dev/null || true

step "press 1: the first dialog lists the working folder; Cancel on File Exists keeps the file"
press_button
answer_file_dialog "Input File" "start.inp"
answer_file_dialog "Output File" "$DATA/existing.inp"
QUESTION=$(wait_window "File Exists") || exit 1
shot file-exists
focus "$QUESTION"
xdotool key Escape
wait_gone "$QUESTION"
[ "$(cat "$DATA/existing.inp")" = "old" ] || fail "existing.inp changed after Cancel"

step "press 2: OK on File Exists overwrites with the conversion"
press_button
answer_file_dialog "Input File" "$DATA/model.inp"
answer_file_dialog "Output File" "$DATA/existing.inp"
press_ok "File Exists"
press_ok "Done"
same_bytes "$DATA/existing.inp" "$EXPECTED" "existing.inp is not the conversion of model.inp"

step "press 3: bare names resolve in the last folder; .inp is added"
press_button
answer_file_dialog "Input File" "model.inp"
answer_file_dialog "Output File" "fresh"
press_ok "Done"
same_bytes "$DATA/fresh.inp" "$EXPECTED" "fresh.inp is not the conversion of model.inp"

step "press 4: closing File Exists with the close button is no consent"
press_button
answer_file_dialog "Input File" "model.inp"
answer_file_dialog "Output File" "existing2.inp"
QUESTION=$(wait_window "File Exists") || exit 1
"$XCLOSE" "$QUESTION" || fail "cannot send WM_DELETE_WINDOW to the question"
wait_gone "$QUESTION"
[ "$(cat "$DATA/existing2.inp")" = "old too" ] || fail "existing2.inp overwritten after close"

step "press 5: the input itself as output"
press_button
answer_file_dialog "Input File" "model.inp"
answer_file_dialog "Output File" "model.inp"
press_ok "Error"
SAME_WIDTH=$BOX_WIDTH
same_bytes "$DATA/model.inp" "$WORK/model.orig" "the input was changed"

step "press 6: the input through a symbolic link as output"
press_button
answer_file_dialog "Input File" "model.inp"
answer_file_dialog "Output File" "link.inp"
press_ok "Error"
[ "$BOX_WIDTH" = "$SAME_WIDTH" ] || fail "link.inp: not the same-file message"
same_bytes "$DATA/model.inp" "$WORK/model.orig" "the input was changed through the link"

step "press 7: a malformed input leaves no output"
press_button
answer_file_dialog "Input File" "bad.inp"
answer_file_dialog "Output File" "badout"
press_ok "Error"
# "File Format Error!!" is a shorter text than "Input and Output files are the same".
[ "$BOX_WIDTH" -lt "$SAME_WIDTH" ] || fail "bad.inp: not the format error message"
[ ! -e "$DATA/badout.inp" ] || fail "badout.inp left behind after the format error"

step "press 8: cancelling the input dialog asks for no output"
press_button
cancel_file_dialog "Input File"
press_button
wait_window "Input File" >/dev/null || exit 1
expect_none "Output File"
cancel_file_dialog "Input File"

step "press 9: an input that cannot be read is named and no output is asked for"
press_button
answer_file_dialog "Input File" "locked.inp"
press_ok "File read Error"
press_button
wait_window "Input File" >/dev/null || exit 1
expect_none "Output File"
cancel_file_dialog "Input File"

step "press 10: an output that may not be written is named after OK to File Exists"
press_button
answer_file_dialog "Input File" "model.inp"
answer_file_dialog "Output File" "locked.inp"
press_ok "File Exists"
press_ok "File Save Error"
[ "$(stat -c %a "$DATA/locked.inp")" = "0" ] || fail "locked.inp was replaced"

step "press 11: cancelling the output dialog ends the press"
press_button
answer_file_dialog "Input File" "model.inp"
cancel_file_dialog "Output File"

step "press 12: the save dialog proposes Untitled.inp in the last folder"
press_button
answer_file_dialog "Input File" "model.inp"
answer_file_dialog "Output File" ""
press_ok "Done"
same_bytes "$DATA/Untitled.inp" "$EXPECTED" "Untitled.inp is not the conversion of model.inp"

# --- close the window like a window manager's close button ----------------------------
step "close the main window"
"$XCLOSE" "$MAIN" || fail "cannot send WM_DELETE_WINDOW"
for ((i = 0; i < STEP * 10; i++)); do
  kill -0 "$APP_PID" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$APP_PID" 2>/dev/null && fail "program still running ${STEP}s after the close request"
wait "$APP_PID"
app_rc=$?
APP_PID=""
[ "$app_rc" -eq 0 ] || fail "program ended with status $app_rc"

step "check the folders"
listing=$(cd "$DATA" && LC_ALL=C ls -A | tr '\n' ' ')
[ "$listing" = "Untitled.inp bad.inp existing.inp existing2.inp fresh.inp link.inp locked.inp model.inp " ] ||
  fail "unexpected files in the data folder: $listing"
[ "$(cd "$RUN" && ls -A)" = "start.inp" ] || fail "unexpected files in the working folder"
same_bytes "$DATA/model.inp" "$WORK/model.orig" "the input was changed"
[ -s "$WORK/app.log" ] && {
  echo "program output:"
  cat "$WORK/app.log"
}
echo "PASS (screenshots in $SHOTS)"
exit 0
