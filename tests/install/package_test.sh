#!/usr/bin/env bash
# Builds the Debian package with CPack and checks it: exactly the installed files under /usr
# plus the copyright and changelog Debian wants; the control fields (dependencies found by
# dpkg-shlibdeps, maintainer, section, priority); and no error from lintian.
#   package_test.sh CPACK BUILD_DIR SOURCE_DIR VERSION
set -euo pipefail
cpack=$1 build=$2 source=$3 version=$4
. "$source/tests/install/expected_files.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$cpack" --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" ||
  { cat "$work/cpack.log"; exit 1; }
deb="$work/zenta2d-tools_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || { echo "FAIL: no $(basename "$deb")"; ls "$work"; exit 1; }
echo "== $(basename "$deb")"

echo "== contents"
{ expected_files "$source" | sed 's|^|usr/|'
  echo usr/share/doc/zenta2d-tools/copyright
  echo usr/share/doc/zenta2d-tools/changelog.gz
} | LC_ALL=C sort >"$work/expected"
dpkg-deb -x "$deb" "$work/root"
files_under "$work/root" >"$work/found"
same_list "package files" "$work/expected" "$work/found"
# Every entry of the archive: folders 0755, programs 0755, other files 0644, all root's.
dpkg-deb --contents "$deb" | awk '
  $1 ~ /^d/ && $1 != "drwxr-xr-x" { print "folder mode", $0; bad = 1 }
  $1 ~ /^-/ && $6 ~ /^\.\/usr\/bin\// && $1 != "-rwxr-xr-x" { print "program mode", $0; bad = 1 }
  $1 ~ /^-/ && $6 !~ /^\.\/usr\/bin\// && $1 != "-rw-r--r--" { print "file mode", $0; bad = 1 }
  $2 != "root/root" { print "owner", $0; bad = 1 }
  END { exit bad }' || { echo "FAIL: modes or owners"; exit 1; }
for program in anszenta ansmrp abazenta inpmigrate zentaplot; do
  if ! file "$work/root/usr/bin/$program" | grep -q ", stripped"; then
    echo "FAIL: usr/bin/$program is not stripped"; exit 1
  fi
done

echo "== control fields"
dpkg-deb -f "$deb" Package Version Section Priority Maintainer Depends | tee "$work/control"
for field in "Package: zenta2d-tools" "Version: $version" "Section: science" "Priority: optional"; do
  grep -qx "$field" "$work/control" || { echo "FAIL: no \"$field\""; exit 1; }
done
grep -q "^Maintainer: ZENTA2D model preparation team <" "$work/control" ||
  { echo "FAIL: the maintainer is not the team"; exit 1; }
for library in libc6 libstdc++6 libcairo2 libfox-1.6-0; do
  grep -q "^Depends: .*\b$library\b" "$work/control" ||
    { echo "FAIL: $library missing from Depends"; exit 1; }
done

echo "== lintian"
status=0
lintian --fail-on error "$deb" >"$work/lintian" 2>&1 || status=$?
grep -v "running with root privileges" "$work/lintian" || true
[ "$status" -eq 0 ] || { echo "FAIL: lintian reports errors (status $status)"; exit 1; }
echo "  no error"
