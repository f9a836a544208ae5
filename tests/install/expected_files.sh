# What an install of the suite holds, one path a line under the prefix, sorted: the five
# programs, a man page for each, the README, and every example model of the source (without the
# demo's outputs in examples/out).
#   expected_files SOURCE_DIR
expected_files() {
  local program
  for program in anszenta ansmrp abazenta inpmigrate zentaplot; do
    echo "bin/$program"
    echo "share/man/man1/$program.1.gz"
  done
  echo share/doc/zenta2d-tools/README.md
  (cd "$1" && find examples -type f -not -path 'examples/out/*') | sed 's|^|share/doc/zenta2d-tools/|'
}

# Files and links under a folder, one relative path a line, sorted.
#   files_under DIR
files_under() {
  (cd "$1" && find . -not -type d | sed 's|^\./||' | LC_ALL=C sort)
}

# Fails with both lists when the two differ.
#   same_list WHAT EXPECTED ACTUAL
same_list() {
  if ! diff -u "$2" "$3"; then
    echo "FAIL: $1 differ from what is expected (- expected, + found)"
    exit 1
  fi
}
