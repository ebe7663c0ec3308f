#!/usr/bin/env bash
# scripts/check-layers on a copy of src/: each row adds one include line to one
# file and names the rule the check must then report for that file and line.
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# file to change | line added at its end | text the report must hold
cases=(
  'src/core/calc/exact_length.cpp|#include "present/fit_view.h"|reaches up from src/core/calc (rank 2) into src/core/present'
  'src/core/tables/it_table.h|#include "general/general_tolerance.h"|reaches up from src/core/tables'
  'src/core/format/units.cpp|#include <QString>|Qt include <QString> in Qt-free code'
  'src/cli/cli.cpp|#include "../ui/main/main_window.h"|crosses from src/cli into src/ui'
  'src/ui/storage/language.cpp|#include "cli_common.h"|crosses from src/ui into src/cli'
  'src/ui/storage/settings_store.cpp|#include "pages/operating_page.h"|reaches up from src/ui/storage (rank 7) into src/ui/pages'
  'src/ui/widgets/number_field.cpp|#include "models/result_source.h"|reaches up from src/ui/widgets'
  'src/ui/pages/design_page.cpp|#include "windows/press_fit_window.h"|reaches up from src/ui/pages (rank 11) into src/ui/windows'
)

"$root/scripts/check-layers" --root "$root" >/dev/null || { echo "FAIL: the tree itself does not pass"; exit 1; }

cp -r "$root/src" "$work/src"
failed=0
for row in "${cases[@]}"; do
  IFS='|' read -r file line expect <<<"$row"
  cp "$root/$file" "$work/$file"
  printf '%s\n' "$line" >>"$work/$file"
  at=$(wc -l <"$work/$file")
  status=0
  out=$("$root/scripts/check-layers" --root "$work" 2>/dev/null) || status=$?
  if [[ $status -ne 1 || $out != *"$file:$at: "*"$expect"* ]]; then
    echo "FAIL: $file + '$line': exit $status, expected '$file:$at: ...$expect' in:"
    echo "$out"
    failed=1
  fi
  cp "$root/$file" "$work/$file"
done
exit $failed
