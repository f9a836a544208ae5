#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR and checks the installed suite as a user meets
# it: exactly the expected files; each program's --version and --help (no display, no standard
# input); man pages that render without warnings; and the example models converted by the
# installed programs into the installed expected files, byte for byte.
#   install_test.sh CMAKE BUILD_DIR SOURCE_DIR VERSION
set -euo pipefail
cmake=$1 build=$2 source=$3 version=$4
. "$source/tests/install/expected_files.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
unset DISPLAY

DESTDIR="$work/root" "$cmake" --install "$build" --prefix /opt/zenta >"$work/install.log"
prefix="$work/root/opt/zenta"

echo "== installed files"
expected_files "$source" | LC_ALL=C sort >"$work/expected"
files_under "$prefix" >"$work/found"
same_list "installed files" "$work/expected" "$work/found"

echo "== --version and --help"
for program in anszenta ansmrp abazenta inpmigrate zentaplot; do
  status=0
  "$prefix/bin/$program" --version </dev/null >"$work/out" 2>"$work/err" || status=$?
  printf '%s %s\n' "$program" "$version" >"$work/version"
  if [ "$status" -ne 0 ] || ! cmp -s "$work/out" "$work/version" || [ -s "$work/err" ]; then
    echo "FAIL: $program --version: status $status, output:"; cat "$work/out" "$work/err"; exit 1
  fi
  status=0
  "$prefix/bin/$program" --help </dev/null >"$work/out" 2>"$work/err" || status=$?
  if [ "$status" -ne 0 ] || [ -s "$work/err" ] || ! head -n1 "$work/out" | grep -q "^Usage: $program " ||
     ! grep -q -- "--version" "$work/out"; then
    echo "FAIL: $program --help: status $status, output:"; cat "$work/out" "$work/err"; exit 1
  fi
  echo "  $program: $(cat "$work/version")"
done

echo "== man pages"
for program in anszenta ansmrp abazenta inpmigrate zentaplot; do
  page="$prefix/share/man/man1/$program.1.gz"
  LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" >"$work/page" 2>"$work/warnings"
  if [ -s "$work/warnings" ]; then
    echo "FAIL: the man page of $program renders with warnings:"; cat "$work/warnings"; exit 1
  fi
  LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$page" >"$work/text" 2>&1
  if ! grep -q "^ *$program  *- " "$work/text" || ! grep -q "^EXIT STATUS" "$work/text"; then
    echo "FAIL: the man page of $program lacks its name line or its exit statuses:"
    head -20 "$work/text"; exit 1
  fi
  echo "  $program.1.gz"
done

echo "== the examples, converted by the installed programs"
"$source/scripts/convert-examples" "$prefix/bin" "$prefix/share/doc/zenta2d-tools/examples" \
  "$work/out-examples" </dev/null
