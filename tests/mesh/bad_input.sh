#!/usr/bin/env bash
# bad_input.sh: every kind of bad input makes orvane-mesh say, in one line on
# standard error, which option is wrong, exit with status 2, and write
# nothing: an existing file at the output path keeps its bytes, and no other
# file appears. A run ended by a signal leaves no partial file either.
set -euo pipefail
tool=${ORVANE_MESH:?set ORVANE_MESH to the orvane-mesh binary}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
failures=0

fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# The directory holds only keep.ply, with its original bytes.
untouched() {
  [ "$(ls -A)" = keep.ply ] && [ "$(cat keep.ply)" = original ]
}

# expect_bad OPTION ARGS...: status 2, one line naming OPTION, nothing written.
expect_bad() {
  local option=$1
  shift
  local status=0
  "$tool" "$@" >stdout 2>stderr || status=$?
  local message
  message=$(cat stderr)
  rm -f stdout stderr
  [ "$status" -eq 2 ] || fail "$* exited with $status, not 2"
  [ "$(wc -l <<<"$message")" -eq 1 ] || fail "$* printed not one line: $message"
  [[ "$message" == *"$option"* ]] || fail "$* did not name $option: $message"
  untouched || fail "$* left the directory as: $(ls -A)"
}

echo original >keep.ply
expect_bad --bogus --bogus -o keep.ply
expect_bad stray stray -o keep.ply
for value in 0 4 x 1.0 ''; do expect_bad --field --field "$value" -o keep.ply; done
expect_bad --field -o keep.ply --field
for value in 0 -3 1025 99999999999 16.5 abc; do expect_bad --grid --grid "$value" -o keep.ply; done
for value in nan inf -inf 1e39 -1e39 48x ''; do expect_bad --iso --iso "$value" -o keep.ply; done
for value in -1 1.5 1000000001 1e3 x; do expect_bad --frame --frame "$value" -o keep.ply; done
for value in cubes Cube tetrahedra ''; do
  expect_bad --polygonizer --polygonizer "$value" -o keep.ply
done
for value in 0 257 -2 1.5 x ''; do expect_bad --threads --threads "$value" -o keep.ply; done
for path in keep.vtk keep.ply.bak keep .ply keep.ply/inner.ply missing/dir/out.stl .; do
  expect_bad --output -o "$path"
done
expect_bad --output --weld --output keep.ply/inner.obj

# A run ended by a signal while it writes: the temporary file it was writing
# goes, and the file it would have replaced stays. The largest grid runs for
# long enough to be caught in the act.
"$tool" --field 2 --grid 1024 -o keep.ply >/dev/null 2>&1 &
pid=$!
deadline=$((SECONDS + 60))
while [ "$(ls -A | wc -l)" -lt 2 ] && kill -0 "$pid" 2>/dev/null && [ $SECONDS -lt $deadline ]; do
  sleep 0.05
done
[ "$(ls -A | wc -l)" -eq 2 ] || fail "no temporary file appeared beside keep.ply"
kill -TERM "$pid" 2>/dev/null || fail "the run ended before it could be stopped"
status=0
wait "$pid" || status=$?
[ "$status" -eq $((128 + 15)) ] || fail "the stopped run exited with $status"
untouched || fail "after SIGTERM the directory holds: $(ls -A)"

# A write that fails (here a file-size limit of 1 KiB, with SIGXFSZ ignored so
# that the write returns the error): status 1, and again only keep.ply stays.
status=0
(trap '' XFSZ && ulimit -f 1 && exec "$tool" --grid 16 -o keep.ply >/dev/null 2>stderr) ||
  status=$?
[ "$status" -eq 1 ] || fail "a failed write exited with $status"
grep -q "writing 'keep.ply' failed" stderr || fail "a failed write said: $(cat stderr)"
rm -f stderr
untouched || fail "after a failed write the directory holds: $(ls -A)"

# A summary that cannot be written (standard output on a full device):
# status 1 and one line saying so, whether or not a file was written.
for output in "" "-o keep.ply"; do
  status=0
  # shellcheck disable=SC2086
  "$tool" --grid 4 --json $output >/dev/full 2>stderr || status=$?
  [ "$status" -eq 1 ] || fail "a lost summary ($output) exited with $status"
  grep -q "writing the summary failed" stderr || fail "a lost summary said: $(cat stderr)"
  rm -f stderr
done

# And a run that completes replaces the file whole.
"$tool" --grid 4 -o keep.ply >/dev/null || fail "a good run failed"
[ "$(ls -A)" = keep.ply ] && [ "$(head -n 1 keep.ply)" = ply ] ||
  fail "a good run did not replace keep.ply with a PLY file"

# Good values are read as written: a leading zero does not make a number octal.
[ "$("$tool" --grid 010 --frame 010 --json | sed 's/,"seconds".*//')" = \
  "$("$tool" --grid 10 --frame 10 --json | sed 's/,"seconds".*//')" ] ||
  fail "--grid 010 --frame 010 is not read as --grid 10 --frame 10"

[ "$failures" -eq 0 ] || exit 1
echo "bad input: status 2, one line naming the option, nothing written"
