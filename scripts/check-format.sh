#!/usr/bin/env bash
# Fails when a tracked C++ source under src, tests, benchmarks or fuzz differs from what
# clang-format makes of it with the project's .clang-format; names each such file.
# To format them all:
#   git ls-files -z -- 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'benchmarks/*.cpp' \
#     'benchmarks/*.h' 'fuzz/*.cpp' 'fuzz/*.h' | xargs -0 clang-format -i
set -euo pipefail
cd "$(dirname "$0")/.."
if ! command -v clang-format > /dev/null; then
  echo "clang-format not found: run scripts/install-deps.sh" >&2
  exit 2
fi
bad=()
while IFS= read -r -d '' f; do
  clang-format --dry-run -Werror "$f" > /dev/null 2>&1 || bad+=("$f")
done < <(git ls-files -z -- \
  'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' \
  'benchmarks/*.cpp' 'benchmarks/*.h' 'fuzz/*.cpp' 'fuzz/*.h')
if [ ${#bad[@]} -ne 0 ]; then
  echo "Not formatted (clang-format $(clang-format --version | grep -o '[0-9][0-9.]*' | head -1)):"
  printf '  %s\n' "${bad[@]}"
  exit 1
fi
echo "Formatting: every file as clang-format makes it."
