// SPDX-License-Identifier: GPL-3.0-or-later
// Dialog 138: hydrometer temperature correction page.
#pragma once

#include "dialog_template.h"

namespace brevimo::res {

inline constexpr DlgItem kDialog138Items[] = {
    {1015, Ctl::Edit, "", 10, 55, 40, 14},
    {1016, Ctl::Edit, "", 70, 55, 40, 14},
    {1017, Ctl::Edit, "", 125, 55, 40, 14},
    {1021, Ctl::Button, BREVIMO_TR_NOOP("Рассчитать"), 5, 80, 50, 14, kDefault},
    {IDC_STATIC, Ctl::Label, BREVIMO_TR_NOOP("Показания ареометра\n(% об)"), 10, 27, 50, 24},
    {IDC_STATIC, Ctl::Label, BREVIMO_TR_NOOP("Температура\nизмерения\n(*С,-25..40)"), 70, 27, 45,
     24},
    {IDC_STATIC, Ctl::Label, BREVIMO_TR_NOOP("Нужная\nтемпература\n(*С,-25...40)"), 125, 27, 50,
     24},
    {1018, Ctl::Edit, "", 305, 55, 40, 14, kReadOnly},
    {IDC_STATIC, Ctl::Label, BREVIMO_TR_NOOP("Конечная эквив. Кс (% об.)"), 305, 30, 60, 20},
    {1019, Ctl::Edit, "", 195, 55, 40, 14, kReadOnly},
    {IDC_STATIC, Ctl::Label, BREVIMO_TR_NOOP("Исходная\nплотность\n(кг/л)"), 195, 25, 45, 25},
    {IDC_STATIC, Ctl::GroupBox, BREVIMO_TR_NOOP("Исходные данные"), 5, 14, 180, 60},
    {IDC_STATIC, Ctl::GroupBox, BREVIMO_TR_NOOP("Результат"), 190, 15, 180, 59},
    {1020, Ctl::Edit, "", 250, 55, 40, 14, kReadOnly},
    {IDC_STATIC, Ctl::Label, BREVIMO_TR_NOOP("Конечная\nплотность\n(кг/л)"), 250, 25, 45, 25},
    {1024, Ctl::Label, "--", 95, 80, 265, 10, kSunken | kVCenter}, // one line, centred in its frame
    {IDC_STATIC, Ctl::Label, BREVIMO_TR_NOOP("Ошибка:"), 60, 80, 30, 10, kRight | kVCenter},
    {IDC_STATIC, Ctl::Label,
     BREVIMO_TR_NOOP(
         "Температурный пересчет объемной концентрации спирта (Кс), измеряемой по плотности"),
     5, 0, 310, 10},
};

inline constexpr DlgTemplate kDialog138{138, BREVIMO_TR_NOOP("Температурный пересчет концентрации"),
                                        372, 95, kDialog138Items};

} // namespace brevimo::res
