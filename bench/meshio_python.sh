# Sourced by the benchmark scripts: sets `python` to an interpreter that can import meshio
# (Debian's python3-meshio), or to nothing when there is none. Debian's interpreter comes first:
# another python3 earlier on PATH may lack Debian's packages.
python=
for candidate in /usr/bin/python3 python3; do
  if "$candidate" -c 'import meshio' 2> /dev/null; then
    python=$candidate
    break
  fi
done
