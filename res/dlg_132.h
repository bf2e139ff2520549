// SPDX-License-Identifier: GPL-3.0-or-later
// Dialog 132: the developer's test page (not in the calculator sheet).
#pragma once

#include "dialog_template.h"

namespace brevimo::res {

inline constexpr DlgItem kDialog132Items[] = {
    {1020, Ctl::Button, BREVIMO_TR_NOOP("Тест"), 11, 14, 50, 14},
};

inline constexpr DlgTemplate kDialog132{132, BREVIMO_TR_NOOP("Тестовая страница"), 186, 95,
                                        kDialog132Items};

} // namespace brevimo::res
