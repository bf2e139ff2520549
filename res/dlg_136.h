// SPDX-License-Identifier: GPL-3.0-or-later
// Dialog 136: distillation run page.
#pragma once

#include "dialog_template.h"

namespace brevimo::res {

// Items of both kind lists: index 0 a boiling temperature, 1 a strength.
inline constexpr const char* kRunKindItems[] = {BREVIMO_TR_NOOP("Темпер."),
                                                BREVIMO_TR_NOOP("Об. %")};

inline constexpr DlgItem kDialog136Items[] = {
    {IDC_STATIC, Ctl::GroupBox, BREVIMO_TR_NOOP("Параметры"), 0, 5, 130, 100},
    {IDC_STATIC, Ctl::GroupBox, BREVIMO_TR_NOOP("Начало перегонки"), 5, 15, 115, 30},
    {1053, Ctl::Edit, "", 10, 25, 40, 14},
    {1055, Ctl::DropList, "", 66, 24, 48, 66, kNone, kRunKindItems},
    {IDC_STATIC, Ctl::GroupBox, BREVIMO_TR_NOOP("Конец перегонки"), 5, 50, 115, 30},
    {1054, Ctl::Edit, "", 10, 60, 40, 14},
    {1056, Ctl::DropList, "", 65, 60, 48, 50, kNone, kRunKindItems},
    {1057, Ctl::Edit, "", 10, 85, 40, 14},
    {IDC_STATIC, Ctl::Label, BREVIMO_TR_NOOP("Объем браги"), 55, 90, 46, 8},
    {IDC_STATIC, Ctl::GroupBox, BREVIMO_TR_NOOP("Альт.парам."), 135, 5, 50, 75},
    {1059, Ctl::Label, BREVIMO_TR_NOOP("Объемн.%"), 140, 15, 36, 8},
    {1058, Ctl::Edit, "", 140, 25, 40, 14, kReadOnly},
    {1060, Ctl::Label, BREVIMO_TR_NOOP("Объемн.%"), 140, 50, 36, 8},
    {1061, Ctl::Edit, "", 140, 60, 40, 14, kReadOnly},
    {1062, Ctl::Button, BREVIMO_TR_NOOP("Расчет"), 135, 90, 50, 14},
    {IDC_STATIC, Ctl::GroupBox, BREVIMO_TR_NOOP("Выходн. парам."), 190, 5, 70, 90},
    {IDC_STATIC, Ctl::Label, BREVIMO_TR_NOOP("Объем дист."), 195, 15, 44, 8},
    {1063, Ctl::Edit, "", 195, 25, 40, 14, kReadOnly},
    {IDC_STATIC, Ctl::Label, BREVIMO_TR_NOOP("Креп. дист.(об%)"), 195, 40, 56, 8},
    {1065, Ctl::Edit, "", 195, 50, 40, 14, kReadOnly},
    {IDC_STATIC, Ctl::Label, BREVIMO_TR_NOOP("Остаток в баке"), 195, 65, 53, 8},
    {1067, Ctl::Edit, "", 195, 75, 40, 14, kReadOnly},
    {1064, Ctl::CheckBox, BREVIMO_TR_NOOP("Файл"), 191, 96, 35, 10},
    {1099, Ctl::Button, BREVIMO_TR_NOOP("График"), 228, 96, 32, 14},
};

inline constexpr DlgTemplate kDialog136{136, BREVIMO_TR_NOOP("Перегонка"), 262, 111,
                                        kDialog136Items};

} // namespace brevimo::res
