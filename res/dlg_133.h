// SPDX-License-Identifier: GPL-3.0-or-later
// Dialog 133: vacuum distillation page.
#pragma once

#include "dialog_template.h"

namespace brevimo::res {

inline constexpr const char* kDialog133ConcUnits[] = {"Массовый", "Объемный", "Молярный"};
inline constexpr const char* kDialog133TempUnits[] = {"Цельсия", "Кельвина", "Фаренгейта"};
inline constexpr const char* kDialog133PressureUnits[] = {
    "мм.рт.ст.(торр)",       "см.вод.ст.",        "кПа(1e3*Н/м^2)",   "ат(атм.тех,кгС/см^2)",
    "атм(атм.физ,760 торр)", "бар(1e6*дин/см^2)", "psi(фунт/дюйм^2)",
};

inline constexpr DlgItem kDialog133Items[] = {
    {IDC_STATIC, Ctl::GroupBox, "Спирт (100%)", 1, 0, 195, 47},
    {IDC_STATIC, Ctl::Label, "Температура\nкипения (*C)", 3, 9, 58, 16, kVCenter},
    {1021, Ctl::Edit, "", 62, 10, 37, 14},
    {1024, Ctl::Button, "Рассчитать температуру", 100, 10, 94, 14},
    {IDC_STATIC, Ctl::Label, "Давление нас.\nпара (мм.рт.ст.)", 3, 27, 58, 16, kVCenter},
    {1022, Ctl::Edit, "", 62, 28, 37, 14},
    {1023, Ctl::Button, "Рассчитать давление", 100, 28, 94, 14},

    {IDC_STATIC, Ctl::GroupBox, "Вода", 1, 49, 195, 47},
    {IDC_STATIC, Ctl::Label, "Температура\nкипения (*C)", 3, 58, 58, 16, kVCenter},
    {1025, Ctl::Edit, "", 62, 59, 37, 14},
    {1028, Ctl::Button, "Рассчитать температуру", 100, 59, 94, 14},
    {IDC_STATIC, Ctl::Label, "Давление нас.\nпара (мм.рт.ст.)", 3, 76, 58, 16, kVCenter},
    {1026, Ctl::Edit, "", 62, 77, 37, 14},
    {1027, Ctl::Button, "Рассчитать давление", 100, 77, 94, 14},

    // The unit lists have no text part: a unit is always one of the items.
    {IDC_STATIC, Ctl::GroupBox, "Раствор", 197, 0, 174, 96},
    {IDC_STATIC, Ctl::Label, "Процент спирта", 199, 9, 0, 0},
    {1030, Ctl::Edit, "", 199, 18, 37, 14},
    {1029, Ctl::DropList, "", 238, 18, 100, 14, kNone, kDialog133ConcUnits},
    {1035, Ctl::Button, "Расчет", 339, 18, 29, 14},
    {IDC_STATIC, Ctl::Label, "Температура кипения (градусы)", 199, 38, 0, 0},
    {1031, Ctl::Edit, "", 199, 47, 37, 14},
    {1036, Ctl::DropList, "", 238, 47, 100, 14, kNone, kDialog133TempUnits},
    {1034, Ctl::Button, "Расчет", 339, 47, 29, 14},
    {IDC_STATIC, Ctl::Label, "Давление нас. пара", 199, 67, 0, 0},
    {1032, Ctl::Edit, "", 199, 76, 37, 14},
    {1037, Ctl::DropList, "", 238, 76, 100, 14, kNone, kDialog133PressureUnits},
    {1033, Ctl::Button, "Расчет", 339, 76, 29, 14},
};

inline constexpr DlgTemplate kDialog133{133, "Вакуумн. перегонка", 371, 98, kDialog133Items};

} // namespace brevimo::res
