#!/bin/bash
# Checks that each Windows build holds executables of its architecture that
# import only the system's own DLLs (the tool ships as one static exe).
# Usage: check-exes.sh DIR FORMAT [DIR FORMAT ...]
set -euo pipefail
system_dlls='kernel32.dll user32.dll gdi32.dll msvcrt.dll advapi32.dll shell32.dll
  ole32.dll oleaut32.dll comctl32.dll comdlg32.dll winhttp.dll wininet.dll urlmon.dll
  crypt32.dll shlwapi.dll uxtheme.dll dwmapi.dll imm32.dll version.dll ws2_32.dll
  bcrypt.dll msimg32.dll winmm.dll'
system_dlls=" $(echo $system_dlls) "
status=0
while [ $# -ge 2 ]; do
  dir=$1 format=$2
  shift 2
  mapfile -t exes < <(find "$dir" -name '*.exe' -not -path '*/CMakeFiles/*' | sort)
  if [ ${#exes[@]} -eq 0 ]; then
    echo "check-exes: no executables in $dir" >&2
    status=1
    continue
  fi
  for exe in "${exes[@]}"; do
    got=$(x86_64-w64-mingw32-objdump -f "$exe" | sed -n 's/.*file format //p')
    if [ "$got" != "$format" ]; then
      echo "check-exes: $exe is $got, not $format" >&2
      status=1
    fi
    while read -r dll; do
      if [[ "$system_dlls" != *" ${dll,,} "* ]]; then
        echo "check-exes: $exe imports $dll, which is no system DLL" >&2
        status=1
      fi
    done < <(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^\s*DLL Name: //p')
  done
  echo "check-exes: checked ${#exes[@]} executables in $dir"
done
exit $status
