#!/usr/bin/env bash
# Fails when a C++ file of the repository is not formatted by its .clang-format.
set -euo pipefail
cd "$(dirname "$0")/.."
unformatted=$(git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run 2>&1 | sed -n 's/^\([^:]*\):[0-9]*:[0-9]*: warning:.*/\1/p' | sort -u)
if [ -n "$unformatted" ]; then
    echo "Not formatted by .clang-format (run clang-format -i on them):" >&2
    echo "$unformatted" >&2
    exit 1
fi
