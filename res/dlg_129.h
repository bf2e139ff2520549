// SPDX-License-Identifier: GPL-3.0-or-later
// Dialog 129: distillate output page.
#pragma once

#include "dialog_template.h"

namespace brevimo::res {

inline constexpr DlgItem kDialog129Items[] = {
    {IDC_STATIC, Ctl::GroupBox, BREVIMO_TR_NOOP("Исходные данные"), 5, 0, 190, 60, kCenter},
    {IDC_STATIC, Ctl::Label, BREVIMO_TR_NOOP("Мощность нагревателя (вт)"), 10, 10, 45, 25, kCenter},
    {1002, Ctl::Edit, "", 10, 40, 40, 14},
    {IDC_STATIC, Ctl::Label, BREVIMO_TR_NOOP("Тепловые потери (%)"), 60, 10, 33, 25, kCenter},
    {1001, Ctl::Edit, "", 55, 40, 40, 14},
    {IDC_STATIC, Ctl::Label, BREVIMO_TR_NOOP("Флегм. число"), 105, 20, 35, 15, kCenter},
    {1000, Ctl::Edit, "", 100, 40, 40, 14},
    {IDC_STATIC, Ctl::Label, BREVIMO_TR_NOOP("% (об) спирта в выходном дистилляте"), 145, 10, 45,
     25, kCenter},
    {1003, Ctl::Edit, "", 145, 40, 40, 14},
    {IDC_STATIC, Ctl::GroupBox, BREVIMO_TR_NOOP("Результат"), 200, 0, 165, 50, kCenter},
    {1007, Ctl::Radio, BREVIMO_TR_NOOP("мл/сек"), 205, 10, 41, 10, kGroup},
    {1008, Ctl::Radio, BREVIMO_TR_NOOP("мл/мин"), 205, 20, 42, 10},
    {1009, Ctl::Radio, BREVIMO_TR_NOOP("мл/час"), 205, 30, 40, 10},
    {IDC_STATIC, Ctl::Label, BREVIMO_TR_NOOP("Полный поток дистиллята"), 250, 10, 60, 15, kRight},
    {1005, Ctl::Edit, "", 315, 10, 40, 14, kReadOnly},
    {IDC_STATIC, Ctl::Label, BREVIMO_TR_NOOP("Выходной поток дистиллята"), 250, 30, 60, 15, kRight},
    {1006, Ctl::Edit, "", 315, 30, 40, 14, kReadOnly},
    {1004, Ctl::Button, BREVIMO_TR_NOOP("Расчет"), 225, 55, 40, 14, kDefault},
};

inline constexpr DlgTemplate kDialog129{129, BREVIMO_TR_NOOP("Выход дистиллята"), 372, 74,
                                        kDialog129Items};

} // namespace brevimo::res
