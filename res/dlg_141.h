// SPDX-License-Identifier: GPL-3.0-or-later
// Dialog 141: boiling temperature and vapour page.
#pragma once

#include "dialog_template.h"

namespace brevimo::res {

inline constexpr DlgItem kDialog141Items[] = {
    {1025, Ctl::Edit, "", 75, 20, 40, 14},
    {1032, Ctl::Radio, BREVIMO_TR_NOOP("Объемный"), 10, 15, 53, 10, kGroup},
    {1034, Ctl::Radio, BREVIMO_TR_NOOP("Массовый"), 10, 25, 51, 10},
    {1035, Ctl::Radio, BREVIMO_TR_NOOP("Молярный"), 10, 35, 51, 10},
    {IDC_STATIC, Ctl::GroupBox, BREVIMO_TR_NOOP("Процент спирта в растворе"), 5, 5, 115, 55},
    {1031, Ctl::Button, BREVIMO_TR_NOOP("Расчет"), 75, 40, 40, 14, kDefault},
    {1030, Ctl::Edit, "", 141, 20, 40, 14},
    {1033, Ctl::Button, BREVIMO_TR_NOOP("Расчет"), 141, 40, 40, 14},
    {IDC_STATIC, Ctl::GroupBox, BREVIMO_TR_NOOP("Темпер. кипения"), 125, 5, 70, 55},
    {IDC_STATIC, Ctl::GroupBox, BREVIMO_TR_NOOP("Процент спирта в паре"), 200, 5, 105, 65},
    {1038, Ctl::Edit, "", 205, 15, 40, 14, kReadOnly},
    {IDC_STATIC, Ctl::Label, BREVIMO_TR_NOOP("Объемный\n(конденсата)"), 250, 15, 50, 16},
    {1036, Ctl::Edit, "", 205, 33, 40, 14, kReadOnly},
    {IDC_STATIC, Ctl::Label, BREVIMO_TR_NOOP("Массовый"), 250, 33, 40, 14, kVCenter},
    {1037, Ctl::Edit, "", 205, 51, 40, 14, kReadOnly},
    {IDC_STATIC, Ctl::Label, BREVIMO_TR_NOOP("Молярный"), 250, 51, 40, 14, kVCenter},
};

inline constexpr DlgTemplate kDialog141{141, BREVIMO_TR_NOOP("Темп. кипения, пар"), 305, 76,
                                        kDialog141Items};

} // namespace brevimo::res
