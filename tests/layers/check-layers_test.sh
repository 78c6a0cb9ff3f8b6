#!/usr/bin/env bash
# The layer check passes on the repository and fails on every kind of upward include planted in
# a small tree of its own.
#   check-layers_test.sh SOURCE_DIR
set -uo pipefail
source_dir=$1
check="$source_dir/scripts/check-layers"
failures=0

fail() { echo "FAILED: $*"; failures=$((failures + 1)); }

if ! out=$("$check" "$source_dir" 2>&1); then
  fail "the repository has an upward include:"; echo "$out"
fi

# Each case: the file planted, the header it includes, and whether the check must pass.
cases=(
  "platform/rtl/A.cpp platform/gfx/B.h fail"
  "platform/forms/A.cpp platform/shell/B.h fail"
  "platform/shell/A.cpp platform/forms/B.h pass"
  "Src/FFmpeg/A.cpp Src/FFmpegTasks/B.h fail"
  "Src/FFmpegTasks/A.cpp Src/FFmpeg/B.h pass"
  "Src/A.cpp lib/skindata/B.h fail"
  "lib/skindata/A.cpp Src/B.h fail"
  "lib/skindata/A.cpp lib/skindraw/B.h fail"
  "lib/controls/A.cpp lib/frame/B.h fail"
  "lib/frame/A.cpp lib/controls/B.h pass"
  "lib/unknown/A.cpp platform/rtl/B.h fail"
  "platform/gfx/A.cpp app/B.h fail"
  "app/A.cpp lib/dialogs/B.h pass"
)
for c in "${cases[@]}"; do
  read -r file header expected <<< "$c"
  tree=$(mktemp -d)
  mkdir -p "$tree/$(dirname "$file")"
  printf '#pragma once\n#include <vector>\n  #  include "%s"\n' "$header" > "$tree/$file"
  if "$check" "$tree" > "$tree/out" 2>&1; then actual=pass; else actual=fail; fi
  if [ "$actual" != "$expected" ]; then
    fail "$file including $header: the check gave '$actual', expected '$expected'"; cat "$tree/out"
  elif [ "$expected" = fail ] && ! grep -q "$file" "$tree/out"; then
    fail "$file including $header: the report does not name the file"; cat "$tree/out"
  fi
  rm -rf "$tree"
done

echo "$(( ${#cases[@]} + 1 - failures )) passed, $failures failed"
[ $failures -eq 0 ]
