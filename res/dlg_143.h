// SPDX-License-Identifier: GPL-3.0-or-later
// Dialog 143: dilution page.
#pragma once

#include "dialog_template.h"

namespace brevimo::res {

inline constexpr DlgItem kDialog143Items[] = {
    {1036, Ctl::Radio, BREVIMO_TR_NOOP("Объем исходного спирта"), 15, 20, 101, 10, kGroup},
    {1037, Ctl::Radio, BREVIMO_TR_NOOP("Объем воды"), 15, 35, 59, 10},
    {1038, Ctl::Radio, BREVIMO_TR_NOOP("Объем результата"), 15, 50, 79, 10},
    {IDC_STATIC, Ctl::GroupBox, BREVIMO_TR_NOOP("Что задано?"), 10, 10, 115, 75},
    {1041, Ctl::Edit, "", 30, 65, 40, 14},
    {1039, Ctl::Edit, "", 130, 31, 40, 14},
    {1040, Ctl::Edit, "", 130, 70, 40, 14},
    {1042, Ctl::Button, BREVIMO_TR_NOOP("Расчет"), 215, 75, 50, 14, kDefault},
    {IDC_STATIC, Ctl::Label, BREVIMO_TR_NOOP("Крепость (Об. %) исходного спирта"), 130, 10, 60, 16},
    {IDC_STATIC, Ctl::Label, BREVIMO_TR_NOOP("Крепость (Об. %) результата"), 130, 50, 60, 16},
    {IDC_STATIC, Ctl::GroupBox, BREVIMO_TR_NOOP("Исходные данные"), 5, 0, 195, 90},
    {1043, Ctl::Edit, "", 285, 5, 40, 14, kReadOnly},
    {IDC_STATIC, Ctl::Label, BREVIMO_TR_NOOP("Объем исходного спирта"), 215, 5, 60, 16, kRight},
    {1044, Ctl::Edit, "", 285, 25, 40, 14, kReadOnly},
    {IDC_STATIC, Ctl::Label, BREVIMO_TR_NOOP("Объем воды"), 215, 25, 60, 16, kRight},
    {1045, Ctl::Edit, "", 285, 45, 40, 14, kReadOnly},
    {IDC_STATIC, Ctl::Label, BREVIMO_TR_NOOP("Объем результата"), 215, 45, 60, 16, kRight},
};

inline constexpr DlgTemplate kDialog143{143, BREVIMO_TR_NOOP("Разведение спирта"), 332, 95,
                                        kDialog143Items};

} // namespace brevimo::res
