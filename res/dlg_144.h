// SPDX-License-Identifier: GPL-3.0-or-later
// Dialog 144: sugar solution page.
#pragma once

#include "dialog_template.h"

namespace brevimo::res {

inline constexpr DlgItem kDialog144Items[] = {
    {IDC_STATIC, Ctl::GroupBox, BREVIMO_TR_NOOP("Что задано?"), 5, 0, 127, 72},
    {1036, Ctl::Radio, BREVIMO_TR_NOOP("Вес сахара (г)"), 11, 10, 117, 10, kGroup},
    {1037, Ctl::Radio, BREVIMO_TR_NOOP("Объем воды (мл, 20*С)"), 11, 21, 117, 10},
    {1038, Ctl::Radio, BREVIMO_TR_NOOP("Объем результата (мл, 20*С)"), 11, 32, 117, 10},
    {1039, Ctl::Radio, BREVIMO_TR_NOOP("Вес результата (г)"), 11, 43, 117, 10},
    {1046, Ctl::Edit, "", 11, 55, 50, 13, kGroup},

    {IDC_STATIC, Ctl::GroupBox, BREVIMO_TR_NOOP("Что нужно получить?"), 136, 0, 164, 72},
    {1040, Ctl::Radio, BREVIMO_TR_NOOP("Удельная масса сахара в растворе (г/л)"), 142, 10, 155, 10,
     kGroup},
    {1041, Ctl::Radio, BREVIMO_TR_NOOP("Плотность раствора  (г/л)"), 142, 21, 155, 10},
    {1043, Ctl::Radio, BREVIMO_TR_NOOP("Массовая доля сахара в растворе (г/кг)"), 142, 32, 155, 10},
    {1047, Ctl::Edit, "", 142, 55, 50, 13, kGroup},
    {1042, Ctl::Button, BREVIMO_TR_NOOP("Расчет"), 304, 55, 34, 14, kDefault | kGroup},

    {IDC_STATIC, Ctl::Label, BREVIMO_TR_NOOP("Вес сахара\n(г)"), 5, 75, 64, 16},
    {1048, Ctl::Edit, "", 5, 91, 50, 13, kReadOnly},
    {IDC_STATIC, Ctl::Label, BREVIMO_TR_NOOP("Объем воды\n(мл)"), 72, 75, 64, 16},
    {1044, Ctl::Edit, "", 72, 91, 50, 13, kReadOnly},
    {IDC_STATIC, Ctl::Label, BREVIMO_TR_NOOP("Объем\nрезультата (мл)"), 139, 75, 64, 16},
    {1045, Ctl::Edit, "", 139, 91, 50, 13, kReadOnly},
    {IDC_STATIC, Ctl::Label, BREVIMO_TR_NOOP("Вес\nрезультата (г)"), 206, 75, 64, 16},
    {1049, Ctl::Edit, "", 206, 91, 50, 13, kReadOnly},
    {IDC_STATIC, Ctl::Label, BREVIMO_TR_NOOP("Плотность\nрезультата (г/л)"), 273, 75, 66, 16},
    {1050, Ctl::Edit, "", 273, 91, 50, 13, kReadOnly},
};

inline constexpr DlgTemplate kDialog144{144, BREVIMO_TR_NOOP("Сахар"), 342, 106, kDialog144Items};

} // namespace brevimo::res
