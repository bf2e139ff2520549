# SPDX-License-Identifier: GPL-3.0-or-later
# help2man sets every word after a blank that begins with a minus in bold as
# an option; a negative number ("-25..40") is not one:
#   cmake -DMAN_FILE=brevimo-calc.1 -P fix_man.cmake
file(READ ${MAN_FILE} man)
string(REGEX REPLACE "\\\\fB(\\\\-[0-9][0-9.]*)\\\\fR" "\\1" man "${man}")
file(WRITE ${MAN_FILE} "${man}")
