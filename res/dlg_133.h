// SPDX-License-Identifier: GPL-3.0-or-later
// Dialog 133: vacuum distillation page.
#pragma once

#include "dialog_template.h"

namespace brevimo::res {

inline constexpr const char* kDialog133ConcUnits[] = {
    BREVIMO_TR_NOOP("Массовый"), BREVIMO_TR_NOOP("Объемный"), BREVIMO_TR_NOOP("Молярный")};
inline constexpr const char* kDialog133TempUnits[] = {
    BREVIMO_TR_NOOP("Цельсия"), BREVIMO_TR_NOOP("Кельвина"), BREVIMO_TR_NOOP("Фаренгейта")};
inline constexpr const char* kDialog133PressureUnits[] = {
    BREVIMO_TR_NOOP("мм.рт.ст.(торр)"),       BREVIMO_TR_NOOP("см.вод.ст."),
    BREVIMO_TR_NOOP("кПа(1e3*Н/м^2)"),        BREVIMO_TR_NOOP("ат(атм.тех,кгС/см^2)"),
    BREVIMO_TR_NOOP("атм(атм.физ,760 торр)"), BREVIMO_TR_NOOP("бар(1e6*дин/см^2)"),
    BREVIMO_TR_NOOP("psi(фунт/дюйм^2)"),
};

inline constexpr DlgItem kDialog133Items[] = {
    {IDC_STATIC, Ctl::GroupBox, BREVIMO_TR_NOOP("Спирт (100%)"), 1, 0, 195, 47},
    {IDC_STATIC, Ctl::Label, BREVIMO_TR_NOOP("Температура\nкипения (*C)"), 3, 9, 58, 16, kVCenter},
    {1021, Ctl::Edit, "", 62, 10, 37, 14},
    {1024, Ctl::Button, BREVIMO_TR_NOOP("Рассчитать температуру"), 100, 10, 94, 14},
    {IDC_STATIC, Ctl::Label, BREVIMO_TR_NOOP("Давление нас.\nпара (мм.рт.ст.)"), 3, 27, 58, 16,
     kVCenter},
    {1022, Ctl::Edit, "", 62, 28, 37, 14},
    {1023, Ctl::Button, BREVIMO_TR_NOOP("Рассчитать давление"), 100, 28, 94, 14},

    {IDC_STATIC, Ctl::GroupBox, BREVIMO_TR_NOOP("Вода"), 1, 49, 195, 47},
    {IDC_STATIC, Ctl::Label, BREVIMO_TR_NOOP("Температура\nкипения (*C)"), 3, 58, 58, 16, kVCenter},
    {1025, Ctl::Edit, "", 62, 59, 37, 14},
    {1028, Ctl::Button, BREVIMO_TR_NOOP("Рассчитать температуру"), 100, 59, 94, 14},
    {IDC_STATIC, Ctl::Label, BREVIMO_TR_NOOP("Давление нас.\nпара (мм.рт.ст.)"), 3, 76, 58, 16,
     kVCenter},
    {1026, Ctl::Edit, "", 62, 77, 37, 14},
    {1027, Ctl::Button, BREVIMO_TR_NOOP("Рассчитать давление"), 100, 77, 94, 14},

    // The unit lists have no text part: a unit is always one of the items.
    {IDC_STATIC, Ctl::GroupBox, BREVIMO_TR_NOOP("Раствор"), 197, 0, 174, 96},
    {IDC_STATIC, Ctl::Label, BREVIMO_TR_NOOP("Процент спирта"), 199, 9, 0, 0},
    {1030, Ctl::Edit, "", 199, 18, 37, 14},
    {1029, Ctl::DropList, "", 238, 18, 100, 14, kNone, kDialog133ConcUnits},
    {1035, Ctl::Button, BREVIMO_TR_NOOP("Расчет"), 339, 18, 29, 14},
    {IDC_STATIC, Ctl::Label, BREVIMO_TR_NOOP("Температура кипения (градусы)"), 199, 38, 0, 0},
    {1031, Ctl::Edit, "", 199, 47, 37, 14},
    {1036, Ctl::DropList, "", 238, 47, 100, 14, kNone, kDialog133TempUnits},
    {1034, Ctl::Button, BREVIMO_TR_NOOP("Расчет"), 339, 47, 29, 14},
    {IDC_STATIC, Ctl::Label, BREVIMO_TR_NOOP("Давление нас. пара"), 199, 67, 0, 0},
    {1032, Ctl::Edit, "", 199, 76, 37, 14},
    {1037, Ctl::DropList, "", 238, 76, 100, 14, kNone, kDialog133PressureUnits},
    {1033, Ctl::Button, BREVIMO_TR_NOOP("Расчет"), 339, 76, 29, 14},
};

inline constexpr DlgTemplate kDialog133{133, BREVIMO_TR_NOOP("Вакуумн. перегонка"), 371, 98,
                                        kDialog133Items};

} // namespace brevimo::res
