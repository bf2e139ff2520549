// SPDX-License-Identifier: GPL-3.0-or-later
// Dialog 100: the About box.
#pragma once

#include "brevimo_version.h"
#include "dialog_template.h"

namespace brevimo::res {

inline constexpr DlgItem kDialog100Items[] = {
    {IDC_STATIC, Ctl::Icon, "", 5, 5, 20, 20},
    {IDC_STATIC, Ctl::Label, "Brevimo Version " BREVIMO_VERSION, 40, 5, 75, 8, kNoPrefix},
    {1, Ctl::Button, "OK", 50, 70, 50, 14, kDefault | kGroup},
};

inline constexpr DlgTemplate kDialog100{100, "About Brevimo", 165, 90, kDialog100Items};

} // namespace brevimo::res
