#!/usr/bin/env bash
# Fails when a name breaks the naming rule of HACKING.md: clang-tidy's readability-identifier-naming,
# set up in .clang-tidy, over every C++ source of the editor, its libraries, the tools and the tests,
# and the project's headers they include.
# Usage: check-naming.sh RUN_CLANG_TIDY CLANG_TIDY BUILD_DIR SOURCE_DIR
set -euo pipefail
run=$1 tidy=$2 build=$3 source=$4
folders='(model|document|archive|exchange|transfer|controls|views|app|tools|tests)'

log=$(mktemp)
trap 'rm -f "$log"' EXIT
# run-clang-tidy's exit status counts clang-tidy's failures; the warnings decide here.
"$run" -clang-tidy-binary "$tidy" -p "$build" -j "$(nproc)" -quiet \
    -header-filter "^$source/$folders/" "^$source/$folders/.*\.cpp\$" >"$log" 2>&1 || true
problems=$(sed 's/\x1b\[[0-9;]*m//g' "$log" | grep -E '(warning|error):' | sort -u || true)
if [ -n "$problems" ]; then
    echo "$problems"
    echo "$(echo "$problems" | wc -l) name(s) break the naming rule of HACKING.md."
    exit 1
fi
grep -q 'clang-tidy' "$log" || { echo "clang-tidy checked no file:"; cat "$log"; exit 1; }
echo "Every name follows the naming rule."
