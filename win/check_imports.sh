#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# check_imports.sh TREE: walks the import tables (objdump -p) of every .exe
# and .dll in an installed Windows tree and fails when an imported DLL is
# neither in the tree nor a DLL every Windows has, so that a clean Windows
# never says "Qt6Core.dll was not found".
set -euo pipefail
tree=$1
objdump=${OBJDUMP:-x86_64-w64-mingw32-objdump}
# Windows' own DLLs (lower case), and the API sets that stand for them.
system='^(kernel32|user32|gdi32|shell32|ole32|oleaut32|advapi32|comdlg32|comctl32|imm32|winmm|ws2_32|version|netapi32|userenv|uxtheme|dwmapi|shlwapi|setupapi|wtsapi32|mpr|opengl32|d3d9|d3d11|d3d12|dxgi|dcomp|d2d1|dwrite|msvcrt|ntdll|bcrypt|crypt32|secur32|authz|winspool\.drv|shcore|api-ms-win-.*|ext-ms-win-.*)\.dll$'
mapfile -t files < <(find "$tree" -type f \( -iname '*.exe' -o -iname '*.dll' \))
[ ${#files[@]} -gt 0 ] || { echo "no .exe or .dll in $tree"; exit 1; }
declare -A shipped
for f in "${files[@]}"; do shipped[$(basename "${f,,}")]=1; done
status=0
for f in "${files[@]}"; do
  while read -r dll; do
    dll=${dll,,}
    [[ -n ${shipped[$dll]:-} ]] && continue
    [[ $dll =~ $system ]] && continue
    echo "${f#"$tree"/} imports $dll, which is neither shipped nor part of Windows"
    status=1
  done < <("$objdump" -p "$f" | sed -n 's/^\s*DLL Name: //p')
done
[ $status -eq 0 ] && echo "imports of ${#files[@]} files resolved"
exit $status
