// SPDX-License-Identifier: GPL-3.0-or-later
// Dialog 145: planned run page (heads, hearts and tails over a column).
#pragma once

#include "dialog_template.h"
#include "dlg_136.h"

namespace brevimo::res {

inline constexpr DlgItem kDialog145Items[] = {
    {IDC_STATIC, Ctl::GroupBox, BREVIMO_TR_NOOP("Загрузка"), 0, 0, 126, 81},
    {IDC_STATIC, Ctl::Label, BREVIMO_TR_NOOP("Объем (л)"), 5, 12, 24, 8},
    {2001, Ctl::Edit, "", 90, 10, 32, 14},
    {IDC_STATIC, Ctl::Label, BREVIMO_TR_NOOP("Начало"), 5, 29, 34, 8},
    {2003, Ctl::DropList, "", 40, 27, 48, 40, kNone, kRunKindItems},
    {2002, Ctl::Edit, "", 90, 27, 32, 14},
    {2013, Ctl::Button, BREVIMO_TR_NOOP("Расчет"), 5, 61, 50, 14, kDefault},
    {2014, Ctl::Button, BREVIMO_TR_NOOP("График"), 60, 61, 50, 14},
    {IDC_STATIC, Ctl::GroupBox, BREVIMO_TR_NOOP("Колонна"), 128, 0, 96, 81},
    {IDC_STATIC, Ctl::Label, BREVIMO_TR_NOOP("Тарелок"), 133, 12, 54, 8},
    {2004, Ctl::Edit, "", 189, 10, 32, 14},
    {IDC_STATIC, Ctl::Label, BREVIMO_TR_NOOP("Флегм. число"), 133, 29, 54, 8},
    {2005, Ctl::Edit, "", 189, 27, 32, 14},
    {IDC_STATIC, Ctl::Label, BREVIMO_TR_NOOP("Мощность (вт)"), 133, 46, 54, 8},
    {2006, Ctl::Edit, "", 189, 44, 32, 14},
    {IDC_STATIC, Ctl::Label, BREVIMO_TR_NOOP("Потери (%)"), 133, 63, 54, 8},
    {2007, Ctl::Edit, "", 189, 61, 32, 14},
    {IDC_STATIC, Ctl::GroupBox, BREVIMO_TR_NOOP("Отбор"), 226, 0, 136, 81},
    {IDC_STATIC, Ctl::Label, BREVIMO_TR_NOOP("Головы (% спирта)"), 231, 12, 24, 8},
    {2008, Ctl::Edit, "", 316, 10, 38, 14},
    {IDC_STATIC, Ctl::Label, BREVIMO_TR_NOOP("Тело до"), 231, 29, 34, 8},
    {2010, Ctl::DropList, "", 266, 27, 48, 40, kNone, kRunKindItems},
    {2009, Ctl::Edit, "", 316, 27, 38, 14},
    {IDC_STATIC, Ctl::Label, BREVIMO_TR_NOOP("Конец"), 231, 46, 34, 8},
    {2012, Ctl::DropList, "", 266, 44, 48, 40, kNone, kRunKindItems},
    {2011, Ctl::Edit, "", 316, 44, 38, 14},
    // The share of the alcohol charged that the hearts take: a result, beside
    // the heads' share typed above it.
    {IDC_STATIC, Ctl::Label, BREVIMO_TR_NOOP("Тело (% спирта)"), 231, 63, 24, 8},
    {2060, Ctl::Edit, "", 316, 61, 38, 14, kReadOnly},
    {IDC_STATIC, Ctl::GroupBox, BREVIMO_TR_NOOP("План перегонки"), 0, 85, 362, 103},
    {IDC_STATIC, Ctl::Label, BREVIMO_TR_NOOP("Объем (л)"), 52, 95, 42, 24, kCenter},
    {IDC_STATIC, Ctl::Label, BREVIMO_TR_NOOP("Крепость (% об.)"), 96, 95, 42, 24, kCenter},
    {IDC_STATIC, Ctl::Label, BREVIMO_TR_NOOP("Спирт (л)"), 140, 95, 42, 24, kCenter},
    {IDC_STATIC, Ctl::Label, BREVIMO_TR_NOOP("Время (ч:мм)"), 184, 95, 42, 24, kCenter},
    {IDC_STATIC, Ctl::Label, BREVIMO_TR_NOOP("Конец (ч:мм)"), 228, 95, 42, 24, kCenter},
    {IDC_STATIC, Ctl::Label, BREVIMO_TR_NOOP("Куб в конце (°C)"), 272, 95, 42, 24, kCenter},
    {IDC_STATIC, Ctl::Label, BREVIMO_TR_NOOP("Струя в конце (% об.)"), 316, 95, 42, 24, kCenter},
    {IDC_STATIC, Ctl::Label, BREVIMO_TR_NOOP("Головы"), 5, 123, 45, 8},
    {2020, Ctl::Edit, "", 52, 121, 42, 14, kReadOnly},
    {2021, Ctl::Edit, "", 96, 121, 42, 14, kReadOnly},
    {2022, Ctl::Edit, "", 140, 121, 42, 14, kReadOnly},
    {2023, Ctl::Edit, "", 184, 121, 42, 14, kReadOnly},
    {2024, Ctl::Edit, "", 228, 121, 42, 14, kReadOnly},
    {2025, Ctl::Edit, "", 272, 121, 42, 14, kReadOnly},
    {2026, Ctl::Edit, "", 316, 121, 42, 14, kReadOnly},
    {IDC_STATIC, Ctl::Label, BREVIMO_TR_NOOP("Тело"), 5, 139, 45, 8},
    {2030, Ctl::Edit, "", 52, 137, 42, 14, kReadOnly},
    {2031, Ctl::Edit, "", 96, 137, 42, 14, kReadOnly},
    {2032, Ctl::Edit, "", 140, 137, 42, 14, kReadOnly},
    {2033, Ctl::Edit, "", 184, 137, 42, 14, kReadOnly},
    {2034, Ctl::Edit, "", 228, 137, 42, 14, kReadOnly},
    {2035, Ctl::Edit, "", 272, 137, 42, 14, kReadOnly},
    {2036, Ctl::Edit, "", 316, 137, 42, 14, kReadOnly},
    {IDC_STATIC, Ctl::Label, BREVIMO_TR_NOOP("Хвосты"), 5, 155, 45, 8},
    {2040, Ctl::Edit, "", 52, 153, 42, 14, kReadOnly},
    {2041, Ctl::Edit, "", 96, 153, 42, 14, kReadOnly},
    {2042, Ctl::Edit, "", 140, 153, 42, 14, kReadOnly},
    {2043, Ctl::Edit, "", 184, 153, 42, 14, kReadOnly},
    {2044, Ctl::Edit, "", 228, 153, 42, 14, kReadOnly},
    {2045, Ctl::Edit, "", 272, 153, 42, 14, kReadOnly},
    {2046, Ctl::Edit, "", 316, 153, 42, 14, kReadOnly},
    {IDC_STATIC, Ctl::Label, BREVIMO_TR_NOOP("Остаток в кубе"), 5, 167, 45, 16},
    {2050, Ctl::Edit, "", 52, 169, 42, 14, kReadOnly},
    {2051, Ctl::Edit, "", 96, 169, 42, 14, kReadOnly},
    {2052, Ctl::Edit, "", 140, 169, 42, 14, kReadOnly},
};

inline constexpr DlgTemplate kDialog145{145, BREVIMO_TR_NOOP("План перегонки"), 364, 190,
                                        kDialog145Items};

} // namespace brevimo::res
