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
    {IDC_STATIC, Ctl::GroupBox, "Спирт (100%)", 3, 0, 190, 47},
    {IDC_STATIC, Ctl::Label, "Температура\nкипения (*C)", 7, 9, 58, 16, kVCenter},
    {1021, Ctl::Edit, "", 66, 10, 38, 14},
    {1024, Ctl::Button, "Рассчитать температуру", 107, 10, 82, 14},
    {IDC_STATIC, Ctl::Label, "Давление нас.\nпара (мм.рт.ст.)", 7, 27, 58, 16, kVCenter},
    {1022, Ctl::Edit, "", 66, 28, 38, 14},
    {1023, Ctl::Button, "Рассчитать давление", 107, 28, 82, 14},

    {IDC_STATIC, Ctl::GroupBox, "Вода", 3, 49, 190, 47},
    {IDC_STATIC, Ctl::Label, "Температура\nкипения (*C)", 7, 58, 58, 16, kVCenter},
    {1025, Ctl::Edit, "", 66, 59, 38, 14},
    {1028, Ctl::Button, "Рассчитать температуру", 107, 59, 82, 14},
    {IDC_STATIC, Ctl::Label, "Давление нас.\nпара (мм.рт.ст.)", 7, 76, 58, 16, kVCenter},
    {1026, Ctl::Edit, "", 66, 77, 38, 14},
    {1027, Ctl::Button, "Рассчитать давление", 107, 77, 82, 14},

    // The unit lists have no text part: a unit is always one of the items.
    {IDC_STATIC, Ctl::GroupBox, "Раствор", 197, 0, 171, 96},
    {IDC_STATIC, Ctl::Label, "Процент спирта", 202, 9, 0, 0},
    {1030, Ctl::Edit, "", 202, 18, 38, 14},
    {1029, Ctl::DropList, "", 243, 18, 88, 14, kNone, kDialog133ConcUnits},
    {1035, Ctl::Button, "Расчет", 334, 18, 30, 14},
    {IDC_STATIC, Ctl::Label, "Температура кипения (градусы)", 202, 38, 0, 0},
    {1031, Ctl::Edit, "", 202, 47, 38, 14},
    {1036, Ctl::DropList, "", 243, 47, 88, 14, kNone, kDialog133TempUnits},
    {1034, Ctl::Button, "Расчет", 334, 47, 30, 14},
    {IDC_STATIC, Ctl::Label, "Давление нас. пара", 202, 67, 0, 0},
    {1032, Ctl::Edit, "", 202, 76, 38, 14},
    {1037, Ctl::DropList, "", 243, 76, 88, 14, kNone, kDialog133PressureUnits},
    {1033, Ctl::Button, "Расчет", 334, 76, 30, 14},
};

inline constexpr DlgTemplate kDialog133{133, "Вакуумн. перегонка", 371, 98, kDialog133Items};

} // namespace brevimo::res
