// SPDX-License-Identifier: GPL-3.0-or-later
// Dialog 145: planned run page (heads, hearts and tails over a column).
#pragma once

#include "dialog_template.h"
#include "dlg_136.h"

namespace brevimo::res {

inline constexpr DlgItem kDialog145Items[] = {
    {IDC_STATIC, Ctl::GroupBox, BREVIMO_TR_NOOP("Загрузка"), 0, 0, 122, 81},
    {IDC_STATIC, Ctl::Label, BREVIMO_TR_NOOP("Объем (л)"), 5, 12, 66, 8},
    {2001, Ctl::Edit, "", 75, 10, 42, 14},
    {IDC_STATIC, Ctl::Label, BREVIMO_TR_NOOP("Начало"), 5, 29, 24, 8},
    {2003, Ctl::DropList, "", 30, 27, 44, 40, kNone, kRunKindItems},
    {2002, Ctl::Edit, "", 75, 27, 42, 14},
    {2013, Ctl::Button, BREVIMO_TR_NOOP("Расчет"), 5, 61, 50, 14, kDefault},
    {IDC_STATIC, Ctl::GroupBox, BREVIMO_TR_NOOP("Колонна"), 125, 0, 125, 81},
    {IDC_STATIC, Ctl::Label, BREVIMO_TR_NOOP("Тарелок"), 130, 12, 70, 8},
    {2004, Ctl::Edit, "", 203, 10, 42, 14},
    {IDC_STATIC, Ctl::Label, BREVIMO_TR_NOOP("Флегм. число"), 130, 29, 70, 8},
    {2005, Ctl::Edit, "", 203, 27, 42, 14},
    {IDC_STATIC, Ctl::Label, BREVIMO_TR_NOOP("Мощность (вт)"), 130, 46, 70, 8},
    {2006, Ctl::Edit, "", 203, 44, 42, 14},
    {IDC_STATIC, Ctl::Label, BREVIMO_TR_NOOP("Потери (%)"), 130, 63, 70, 8},
    {2007, Ctl::Edit, "", 203, 61, 42, 14},
    {IDC_STATIC, Ctl::GroupBox, BREVIMO_TR_NOOP("Отбор"), 253, 0, 122, 81},
    {IDC_STATIC, Ctl::Label, BREVIMO_TR_NOOP("Головы (% спирта)"), 258, 12, 66, 8},
    {2008, Ctl::Edit, "", 328, 10, 42, 14},
    {IDC_STATIC, Ctl::Label, BREVIMO_TR_NOOP("Тело до"), 258, 29, 24, 8},
    {2010, Ctl::DropList, "", 283, 27, 44, 40, kNone, kRunKindItems},
    {2009, Ctl::Edit, "", 328, 27, 42, 14},
    {IDC_STATIC, Ctl::Label, BREVIMO_TR_NOOP("Конец"), 258, 46, 24, 8},
    {2012, Ctl::DropList, "", 283, 44, 44, 40, kNone, kRunKindItems},
    {2011, Ctl::Edit, "", 328, 44, 42, 14},
    // The share of the alcohol charged that the hearts take: a result, beside
    // the heads' share typed above it.
    {IDC_STATIC, Ctl::Label, BREVIMO_TR_NOOP("Тело (% спирта)"), 258, 63, 66, 8},
    {2060, Ctl::Edit, "", 328, 61, 42, 14, kReadOnly},
    {IDC_STATIC, Ctl::GroupBox, BREVIMO_TR_NOOP("План перегонки"), 0, 85, 375, 100},
    {IDC_STATIC, Ctl::Label, BREVIMO_TR_NOOP("Объем (л)"), 62, 95, 42, 16, kCenter},
    {IDC_STATIC, Ctl::Label, BREVIMO_TR_NOOP("Крепость (% об.)"), 106, 95, 42, 16, kCenter},
    {IDC_STATIC, Ctl::Label, BREVIMO_TR_NOOP("Спирт (л)"), 150, 95, 42, 16, kCenter},
    {IDC_STATIC, Ctl::Label, BREVIMO_TR_NOOP("Время (ч:мм)"), 194, 95, 42, 16, kCenter},
    {IDC_STATIC, Ctl::Label, BREVIMO_TR_NOOP("Конец (ч:мм)"), 238, 95, 42, 16, kCenter},
    {IDC_STATIC, Ctl::Label, BREVIMO_TR_NOOP("Куб в конце (°C)"), 282, 95, 42, 16, kCenter},
    {IDC_STATIC, Ctl::Label, BREVIMO_TR_NOOP("Струя в конце (% об.)"), 326, 95, 44, 16, kCenter},
    {IDC_STATIC, Ctl::Label, BREVIMO_TR_NOOP("Головы"), 5, 116, 55, 8},
    {2020, Ctl::Edit, "", 62, 114, 42, 14, kReadOnly},
    {2021, Ctl::Edit, "", 106, 114, 42, 14, kReadOnly},
    {2022, Ctl::Edit, "", 150, 114, 42, 14, kReadOnly},
    {2023, Ctl::Edit, "", 194, 114, 42, 14, kReadOnly},
    {2024, Ctl::Edit, "", 238, 114, 42, 14, kReadOnly},
    {2025, Ctl::Edit, "", 282, 114, 42, 14, kReadOnly},
    {2026, Ctl::Edit, "", 326, 114, 42, 14, kReadOnly},
    {IDC_STATIC, Ctl::Label, BREVIMO_TR_NOOP("Тело"), 5, 132, 55, 8},
    {2030, Ctl::Edit, "", 62, 130, 42, 14, kReadOnly},
    {2031, Ctl::Edit, "", 106, 130, 42, 14, kReadOnly},
    {2032, Ctl::Edit, "", 150, 130, 42, 14, kReadOnly},
    {2033, Ctl::Edit, "", 194, 130, 42, 14, kReadOnly},
    {2034, Ctl::Edit, "", 238, 130, 42, 14, kReadOnly},
    {2035, Ctl::Edit, "", 282, 130, 42, 14, kReadOnly},
    {2036, Ctl::Edit, "", 326, 130, 42, 14, kReadOnly},
    {IDC_STATIC, Ctl::Label, BREVIMO_TR_NOOP("Хвосты"), 5, 148, 55, 8},
    {2040, Ctl::Edit, "", 62, 146, 42, 14, kReadOnly},
    {2041, Ctl::Edit, "", 106, 146, 42, 14, kReadOnly},
    {2042, Ctl::Edit, "", 150, 146, 42, 14, kReadOnly},
    {2043, Ctl::Edit, "", 194, 146, 42, 14, kReadOnly},
    {2044, Ctl::Edit, "", 238, 146, 42, 14, kReadOnly},
    {2045, Ctl::Edit, "", 282, 146, 42, 14, kReadOnly},
    {2046, Ctl::Edit, "", 326, 146, 42, 14, kReadOnly},
    {IDC_STATIC, Ctl::Label, BREVIMO_TR_NOOP("Остаток в кубе"), 5, 164, 55, 8},
    {2050, Ctl::Edit, "", 62, 162, 42, 14, kReadOnly},
    {2051, Ctl::Edit, "", 106, 162, 42, 14, kReadOnly},
    {2052, Ctl::Edit, "", 150, 162, 42, 14, kReadOnly},
};

inline constexpr DlgTemplate kDialog145{145, BREVIMO_TR_NOOP("План перегонки"), 377, 187,
                                        kDialog145Items};

} // namespace brevimo::res
