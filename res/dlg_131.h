// SPDX-License-Identifier: GPL-3.0-or-later
// Dialog 131: mixing page.
#pragma once

#include "dialog_template.h"

namespace brevimo::res {

inline constexpr DlgItem kDialog131Items[] = {
    {IDC_STATIC, Ctl::GroupBox, BREVIMO_TR_NOOP("Раствор 1"), 5, 5, 105, 50},
    {IDC_STATIC, Ctl::Label, BREVIMO_TR_NOOP("Объем"), 10, 15, 50, 14, kRight},
    {1011, Ctl::Edit, "", 65, 15, 40, 14},
    {IDC_STATIC, Ctl::Label, BREVIMO_TR_NOOP("% (об) спирта"), 10, 35, 50, 14, kRight},
    {1010, Ctl::Edit, "", 65, 35, 40, 14},
    {IDC_STATIC, Ctl::Label, "+", 115, 25, 5, 10},
    {IDC_STATIC, Ctl::GroupBox, BREVIMO_TR_NOOP("Раствор 2"), 125, 5, 105, 50},
    {IDC_STATIC, Ctl::Label, BREVIMO_TR_NOOP("Объем"), 130, 15, 50, 14, kRight},
    {1013, Ctl::Edit, "", 185, 15, 40, 14},
    {IDC_STATIC, Ctl::Label, BREVIMO_TR_NOOP("% (об) спирта"), 130, 35, 50, 14, kRight},
    {1012, Ctl::Edit, "", 185, 35, 40, 14},
    {IDC_STATIC, Ctl::Label, "->", 235, 25, 5, 10},
    {IDC_STATIC, Ctl::GroupBox, BREVIMO_TR_NOOP("Результат"), 245, 5, 105, 50},
    {IDC_STATIC, Ctl::Label, BREVIMO_TR_NOOP("Объем"), 250, 15, 50, 14, kRight},
    {1015, Ctl::Edit, "", 305, 15, 40, 14, kReadOnly},
    {IDC_STATIC, Ctl::Label, BREVIMO_TR_NOOP("% (об) спирта"), 250, 35, 50, 14, kRight},
    {1014, Ctl::Edit, "", 305, 35, 40, 14, kReadOnly},
    {IDC_STATIC, Ctl::GroupBox, BREVIMO_TR_NOOP("Режим расчета"), 100, 60, 90, 35},
    {1017, Ctl::Radio, BREVIMO_TR_NOOP("Р1+Р2->Результат"), 110, 70, 78, 10, kGroup},
    {1018, Ctl::Radio, BREVIMO_TR_NOOP("Р1,Результат->Р2"), 110, 80, 76, 10},
    {1004, Ctl::Button, BREVIMO_TR_NOOP("Расчет"), 225, 70, 50, 14, kDefault},
};

inline constexpr DlgTemplate kDialog131{131, BREVIMO_TR_NOOP("Смешение растворов"), 357, 101,
                                        kDialog131Items};

} // namespace brevimo::res
