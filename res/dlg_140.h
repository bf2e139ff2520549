// SPDX-License-Identifier: GPL-3.0-or-later
// Dialog 140: concentration and density page.
#pragma once

#include "dialog_template.h"

namespace brevimo::res {

inline constexpr DlgItem kDialog140Items[] = {
    {IDC_STATIC, Ctl::Label, BREVIMO_TR_NOOP("% Объемн."), 5, 0, 45, 8},
    {1025, Ctl::Edit, "", 5, 10, 40, 14},
    {1028, Ctl::Button, BREVIMO_TR_NOOP("Расчет"), 51, 10, 35, 14, kDefault},
    {IDC_STATIC, Ctl::Label, BREVIMO_TR_NOOP("% Масс."), 5, 28, 45, 8},
    {1026, Ctl::Edit, "", 5, 39, 40, 14},
    {1029, Ctl::Button, BREVIMO_TR_NOOP("Расчет"), 51, 39, 35, 14},
    {IDC_STATIC, Ctl::Label, BREVIMO_TR_NOOP("% Мол."), 5, 56, 45, 8},
    {1027, Ctl::Edit, "", 5, 66, 40, 14},
    {1030, Ctl::Button, BREVIMO_TR_NOOP("Расчет"), 50, 66, 35, 14},

    {IDC_STATIC, Ctl::GroupBox, BREVIMO_TR_NOOP("В \"N\" литрах"), 90, 0, 130, 55},
    {IDC_STATIC, Ctl::Label, BREVIMO_TR_NOOP("Масса (кг)"), 126, 10, 45, 8},
    {IDC_STATIC, Ctl::Label, BREVIMO_TR_NOOP("Объем (л)"), 176, 10, 42, 8},
    {IDC_STATIC, Ctl::Label, BREVIMO_TR_NOOP("Спирта"), 94, 23, 31, 8},
    {1032, Ctl::Edit, "", 126, 20, 40, 14, kReadOnly},
    {1033, Ctl::Edit, "", 176, 20, 40, 14, kReadOnly},
    {IDC_STATIC, Ctl::Label, BREVIMO_TR_NOOP("Воды"), 94, 38, 31, 8},
    {1034, Ctl::Edit, "", 126, 35, 40, 14, kReadOnly},
    {1035, Ctl::Edit, "", 176, 35, 40, 14, kReadOnly},

    {IDC_STATIC, Ctl::GroupBox, BREVIMO_TR_NOOP("В \"N\" килограммах"), 237, 0, 133, 55},
    {IDC_STATIC, Ctl::Label, BREVIMO_TR_NOOP("Масса (кг)"), 274, 11, 45, 8},
    {IDC_STATIC, Ctl::Label, BREVIMO_TR_NOOP("Объем (л)"), 324, 11, 42, 8},
    {IDC_STATIC, Ctl::Label, BREVIMO_TR_NOOP("Спирта"), 241, 24, 32, 8},
    {1036, Ctl::Edit, "", 274, 21, 40, 14, kReadOnly},
    {1037, Ctl::Edit, "", 324, 21, 40, 14, kReadOnly},
    {IDC_STATIC, Ctl::Label, BREVIMO_TR_NOOP("Воды"), 241, 38, 32, 8},
    {1038, Ctl::Edit, "", 274, 35, 40, 14, kReadOnly},
    {1039, Ctl::Edit, "", 324, 35, 40, 14, kReadOnly},

    {IDC_STATIC, Ctl::Label, "N=", 95, 65, 18, 8},
    {1042, Ctl::Edit, "", 115, 65, 40, 14},
    {IDC_STATIC, Ctl::Label, BREVIMO_TR_NOOP("Плотность (кг/л)"), 165, 60, 63, 14,
     kRight | kVCenter},
    {1031, Ctl::Edit, "", 230, 60, 40, 14},
    {1043, Ctl::Button, BREVIMO_TR_NOOP("Расчет"), 275, 60, 35, 14},
    {IDC_STATIC, Ctl::Label, BREVIMO_TR_NOOP("Удельный объем\n(л/кг)"), 160, 80, 68, 16,
     kRight | kVCenter},
    {1041, Ctl::Edit, "", 230, 80, 40, 14, kReadOnly},
    {1065, Ctl::Button, "Tmp", 285, 80, 24, 15},
    {IDC_STATIC, Ctl::Label, BREVIMO_TR_NOOP("Показ. пикн."), 320, 55, 50, 8, kCenter},
    {1044, Ctl::Edit, "", 325, 65, 40, 14},
    {1045, Ctl::Button, BREVIMO_TR_NOOP("Расчет"), 330, 85, 35, 14},
    {1040, Ctl::CheckBox, BREVIMO_TR_NOOP("Учесть изменение объема при смешении"), 5, 85, 158, 10},
};

inline constexpr DlgTemplate kDialog140{140, BREVIMO_TR_NOOP("Мас., Об. и Мол. %, плотн."), 377,
                                        104, kDialog140Items};

} // namespace brevimo::res
