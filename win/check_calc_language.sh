#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# check_calc_language.sh WINE_RUN BREVIMO-CALC.exe: brevimo-calc's messages
# under Wine, whose interface language follows the Unix locale Wine starts
# in (C: English, ru_RU: Russian). cmd.exe then sets or clears the locale
# variables the program sees: they come first where set; without them the
# interface language decides.
set -euo pipefail
wine_run=$1
cd "$(dirname "$2")" # cmd.exe finds the program in its current folder
export WINEDEBUG=-all
refusal="dilute --strength 40 --target 96 --spirit 1"
failures=0
#     Wine's locale   variables in cmd.exe      expected
while IFS='|' read -r unix_locale variables expected; do
  got=$(env -u LANG -u LC_ALL -u LC_MESSAGES ${unix_locale:+LC_ALL=$unix_locale} \
        "$wine_run" cmd /c "set LC_ALL=&& $variables brevimo-calc $refusal" 2>&1 | tr -d '\r' || true)
  if [ "$got" != "$expected" ]; then
    echo "FAIL: interface ${unix_locale:-C}, variables '$variables': $got"
    failures=$((failures + 1))
  fi
done <<'CASES'
|  |The result is stronger than the starting spirit
ru_RU.UTF-8|  |Конечный раствор крепче исходного
|set LANG=ru_RU.UTF-8&& |Конечный раствор крепче исходного
ru_RU.UTF-8|set LANG=en_US.UTF-8&& |The result is stronger than the starting spirit
ru_RU.UTF-8|set LC_MESSAGES=en_GB.UTF-8&& |The result is stronger than the starting spirit
CASES
[ $failures = 0 ] && echo "messages in the language of the variables, else of the interface"
