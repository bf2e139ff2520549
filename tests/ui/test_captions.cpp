// SPDX-License-Identifier: GPL-3.0-or-later
// Every caption of every dialog template, word for word. Captions are the
// program's texts: a line break or a changed letter is a fault.
#include "res/dlg_100.h"
#include "res/dlg_129.h"
#include "res/dlg_131.h"
#include "res/dlg_132.h"
#include "res/dlg_133.h"
#include "res/dlg_136.h"
#include "res/dlg_138.h"
#include "res/dlg_140.h"
#include "res/dlg_141.h"
#include "res/dlg_143.h"
#include "res/dlg_144.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace {

using brevimo::res::DlgTemplate;
using brevimo::res::IDC_STATIC;

constexpr int S = IDC_STATIC;

struct Caption {
  int id; // S for a control without an ID
  std::string text;
  std::vector<std::string> items = {}; // a drop-down list's items
};

struct Expected {
  const DlgTemplate* tmpl;
  std::string title;
  std::vector<Caption> captions; // every control with a caption or items
};

const std::vector<std::string> kConcUnits = {"Массовый", "Объемный", "Молярный"};
const std::vector<std::string> kTempUnits = {"Цельсия", "Кельвина", "Фаренгейта"};
const std::vector<std::string> kPressureUnits = {
    "мм.рт.ст.(торр)",       "см.вод.ст.",        "кПа(1e3*Н/м^2)",  "ат(атм.тех,кгС/см^2)",
    "атм(атм.физ,760 торр)", "бар(1e6*дин/см^2)", "psi(фунт/дюйм^2)"};
const std::vector<std::string> kRunKinds = {"Темпер.", "Об. %"};

const std::vector<Expected>& Table() {
  using namespace brevimo::res;
  static const std::vector<Expected> table = {
      {&kDialog100, "About Brevimo", {{S, "Brevimo Version 4.03"}, {1, "OK"}}},
      {&kDialog129,
       "Выход дистиллята",
       {{S, "Исходные данные"},
        {S, "Мощность нагревателя (вт)"},
        {S, "Тепловые потери (%)"},
        {S, "Флегм. число"},
        {S, "% (об) спирта в выходном дистилляте"},
        {S, "Результат"},
        {1007, "мл/сек"},
        {1008, "мл/мин"},
        {1009, "мл/час"},
        {S, "Полный поток дистиллята"},
        {S, "Выходной поток дистиллята"},
        {1004, "Расчет"}}},
      {&kDialog131,
       "Смешение растворов",
       {{S, "Раствор 1"},
        {S, "Объем"},
        {S, "% (об) спирта"},
        {S, "+"},
        {S, "Раствор 2"},
        {S, "Объем"},
        {S, "% (об) спирта"},
        {S, "->"},
        {S, "Результат"},
        {S, "Объем"},
        {S, "% (об) спирта"},
        {S, "Режим расчета"},
        {1017, "Р1+Р2->Результат"},
        {1018, "Р1,Результат->Р2"},
        {1004, "Расчет"}}},
      {&kDialog132, "Тестовая страница", {{1020, "Тест"}}},
      {&kDialog133,
       "Вакуумн. перегонка",
       {{S, "Спирт (100%)"},
        {S, "Температура\nкипения (*C)"},
        {S, "Давление нас.\nпара (мм.рт.ст.)"},
        {1023, "Рассчитать давление"},
        {1024, "Рассчитать температуру"},
        {S, "Вода"},
        {S, "Температура\nкипения (*C)"},
        {S, "Давление нас.\nпара (мм.рт.ст.)"},
        {1027, "Рассчитать давление"},
        {1028, "Рассчитать температуру"},
        {S, "Раствор"},
        {S, "Процент спирта"},
        {1029, "", kConcUnits},
        {1035, "Расчет"},
        {S, "Температура кипения (градусы)"},
        {1036, "", kTempUnits},
        {1034, "Расчет"},
        {S, "Давление нас. пара"},
        {1037, "", kPressureUnits},
        {1033, "Расчет"}}},
      {&kDialog136,
       "Перегонка",
       {{S, "Параметры"},
        {S, "Начало перегонки"},
        {1055, "", kRunKinds},
        {S, "Конец перегонки"},
        {1056, "", kRunKinds},
        {S, "Объем браги"},
        {S, "Альт.парам."},
        {1059, "Объемн.%"},
        {1060, "Объемн.%"},
        {1062, "Расчет"},
        {S, "Выходн. парам."},
        {S, "Объем дист."},
        {S, "Креп. дист.(об%)"},
        {S, "Остаток в баке"},
        {1064, "Файл"},
        {1099, "График"}}}, // the run's chart, beyond the page's own controls
      {&kDialog138,
       "Температурный пересчет концентрации",
       {{1021, "Рассчитать"},
        {S, "Показания ареометра\n(% об)"},
        {S, "Температура\nизмерения\n(*С,-25..40)"},
        {S, "Нужная\nтемпература\n(*С,-25...40)"},
        {S, "Конечная эквив. Кс (% об.)"},
        {S, "Исходная\nплотность\n(кг/л)"},
        {S, "Исходные данные"},
        {S, "Результат"},
        {S, "Конечная\nплотность\n(кг/л)"},
        {1024, "--"},
        {S, "Ошибка:"},
        {S, "Температурный пересчет объемной концентрации спирта (Кс), измеряемой по плотности"}}},
      {&kDialog140,
       "Мас., Об. и Мол. %, плотн.",
       {{S, "% Объемн."},
        {1028, "Расчет"},
        {S, "% Масс."},
        {1029, "Расчет"},
        {S, "% Мол."},
        {1030, "Расчет"},
        {S, "В \"N\" литрах"},
        {S, "Масса (кг)"},
        {S, "Объем (л)"},
        {S, "Спирта"},
        {S, "Воды"},
        {S, "В \"N\" килограммах"},
        {S, "Масса (кг)"},
        {S, "Объем (л)"},
        {S, "Спирта"},
        {S, "Воды"},
        {S, "N="},
        {S, "Плотность (кг/л)"},
        {1043, "Расчет"},
        {S, "Удельный объем\n(л/кг)"},
        {1065, "Tmp"},
        {S, "Показ. пикн."},
        {1045, "Расчет"},
        {1040, "Учесть изменение объема при смешении"}}},
      {&kDialog141,
       "Темп. кипения, пар",
       {{1032, "Объемный"},
        {1034, "Массовый"},
        {1035, "Молярный"},
        {S, "Процент спирта в растворе"},
        {1031, "Расчет"},
        {1033, "Расчет"},
        {S, "Темпер. кипения"},
        {S, "Процент спирта в паре"},
        {S, "Объемный\n(конденсата)"},
        {S, "Массовый"},
        {S, "Молярный"}}},
      {&kDialog143,
       "Разведение спирта",
       {{1036, "Объем исходного спирта"},
        {1037, "Объем воды"},
        {1038, "Объем результата"},
        {S, "Что задано?"},
        {1042, "Расчет"},
        {S, "Крепость (Об. %) исходного спирта"},
        {S, "Крепость (Об. %) результата"},
        {S, "Исходные данные"},
        {S, "Объем исходного спирта"},
        {S, "Объем воды"},
        {S, "Объем результата"}}},
      {&kDialog144,
       "Сахар",
       {{S, "Что задано?"},
        {1036, "Вес сахара (г)"},
        {1037, "Объем воды (мл, 20*С)"},
        {1038, "Объем результата (мл, 20*С)"},
        {1039, "Вес результата (г)"},
        {S, "Что нужно получить?"},
        {1040, "Удельная масса сахара в растворе (г/л)"},
        {1041, "Плотность раствора  (г/л)"},
        {1043, "Массовая доля сахара в растворе (г/кг)"},
        {1042, "Расчет"},
        {S, "Вес сахара\n(г)"},
        {S, "Объем воды\n(мл)"},
        {S, "Объем\nрезультата (мл)"},
        {S, "Вес\nрезультата (г)"},
        {S, "Плотность\nрезультата (г/л)"}}},
  };
  return table;
}

// Controls with an ID keyed by it; those without, by their text.
using Captions = std::multimap<std::pair<int, std::string>, std::vector<std::string>>;

Captions Actual(const DlgTemplate& tmpl) {
  Captions out;
  for (const auto& item : tmpl.items) {
    std::vector<std::string> items(item.items.begin(), item.items.end());
    if (*item.text || !items.empty()) out.emplace(std::pair(item.id, item.text), items);
  }
  return out;
}

Captions Wanted(const Expected& e) {
  Captions out;
  for (const auto& c : e.captions)
    out.emplace(std::pair(c.id, c.text), c.items);
  return out;
}

TEST(Captions, EveryTemplateHasExactlyItsTexts) {
  for (const Expected& e : Table()) {
    SCOPED_TRACE(e.tmpl->id);
    EXPECT_EQ(e.tmpl->caption, e.title);
    const Captions actual = Actual(*e.tmpl), wanted = Wanted(e);
    for (const auto& [key, items] : wanted)
      EXPECT_EQ(actual.count(key), wanted.count(key)) << key.first << " \"" << key.second << '"';
    for (const auto& [key, items] : actual) {
      EXPECT_EQ(wanted.count(key), actual.count(key))
          << "unexpected: " << key.first << " \"" << key.second << '"';
      const auto w = wanted.find(key);
      if (w != wanted.end()) {
        EXPECT_EQ(items, w->second) << key.first;
      }
    }
  }
}

} // namespace
