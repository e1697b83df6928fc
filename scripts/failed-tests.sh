#!/usr/bin/env bash
# After a failed CTest run, from its build tree: each failed test by name and why (as CTest
# told it on the console that `ctest -O Testing/Temporary/LastConsole.log` kept), then only that
# test's own lines that say what failed: its failed checks and sanitizer reports with their first
# frames, and, when the program did not reach its totals (aborted by a watchdog or a signal,
# killed at its timeout), its last lines too. What a test that passed printed (some fail inner
# tests on purpose) is never shown.
set -euo pipefail
dir=Testing/Temporary
if [ ! -s "$dir/LastTestsFailed.log" ] || [ ! -f "$dir/LastTest.log" ]; then
  echo "No failed test recorded in $PWD/$dir" >&2
  exit 0
fi
echo
echo "Failed tests:"
cut -d: -f2- "$dir/LastTestsFailed.log" | while IFS= read -r name; do
  reason=$(sed -n "s/^[[:space:]]*[0-9]* - $name (\(.*\))\$/\1/p" "$dir/LastConsole.log" 2>/dev/null | tail -n 1)
  echo "=== $name${reason:+ ($reason)}"
  # The test's block: its output lies between "Output:" and "<end of output>".
  awk -v name="$name" '
    $0 ~ "^[0-9]+/[0-9]+ Test: " && substr($0, index($0, ": ") + 2) == name { mine = 1; next }
    !mine { next }
    /^<end of output>$/ { exit }
    output { lines[++n] = $0 }
    /^Output:$/ { getline; output = 1 }
    END {
      checks = 0
      for (i = 1; i <= n; ++i) {
        if (lines[i] ~ /^(FAIL!|QFATAL|   Loc:)|Received signal|ERROR: [A-Za-z]+Sanitizer|WARNING: ThreadSanitizer|runtime error:|^SUMMARY: /) {
          if (++checks <= 40) print lines[i]
          # A sanitizer report names its place in the frames below it.
          if (checks <= 40 && lines[i] ~ /Sanitizer/) frames = 12
        } else if (frames > 0 && lines[i] ~ /^ *#[0-9]+ /) {
          print lines[i]
          --frames
        }
        if (lines[i] ~ /^Totals: /) totals = 1
      }
      if (checks > 40) print "... and " checks - 40 " more"
      if (!totals) {
        print "--- its last lines:"
        for (i = (n > 15 ? n - 14 : 1); i <= n; ++i) print lines[i]
      }
    }' "$dir/LastTest.log"
done
