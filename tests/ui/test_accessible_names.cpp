// SPDX-License-Identifier: GPL-3.0-or-later
// Every field of every page is named, for a screen reader, by its own
// caption in the interface language: the label beside or above it, a row
// and a column heading in a grid, else the caption of its group.
#include "tests/ui/ui_fixture.h"

#include "res/field_caption.h"
#include "ui/translation.h"

#include <map>
#include <utility>

namespace {

using Names = std::map<int, std::pair<const char*, const char*>>; // id: Russian, English

const std::map<std::string, Names> kExpected = {
    {"CPP_KsTCorr",
     {{1015, {"Показания ареометра (% об)", "Hydrometer reading (% ABV)"}},
      {1016, {"Температура измерения (*С,-25..40)", "Measured temperature (*C,-25..40)"}},
      {1017, {"Нужная температура (*С,-25...40)", "Wanted temperature (*C,-25...40)"}},
      {1018, {"Конечная эквив. Кс (% об.)", "Corrected reading (% ABV)"}},
      {1019, {"Исходная плотность (кг/л)", "Initial density (kg/l)"}},
      {1020, {"Конечная плотность (кг/л)", "Final density (kg/l)"}}}},
    {"CPP_RazvedSpirta",
     {{1041, {"Что задано?", "What is given?"}},
      {1039, {"Крепость (Об. %) исходного спирта", "Strength (% ABV) of the spirit"}},
      {1040, {"Крепость (Об. %) результата", "Strength (% ABV) of the result"}},
      {1043, {"Объем исходного спирта", "Volume of the spirit"}},
      {1044, {"Объем воды", "Volume of water"}},
      {1045, {"Объем результата", "Volume of the result"}}}},
    {"CPP_CombRastv",
     {{1011, {"Объем", "Volume"}},
      {1010, {"% (об) спирта", "% ABV"}},
      {1013, {"Объем", "Volume"}},
      {1012, {"% (об) спирта", "% ABV"}},
      {1015, {"Объем", "Volume"}},
      {1014, {"% (об) спирта", "% ABV"}}}},
    {"CPP_PowerAndOut",
     {{1002, {"Мощность нагревателя (вт)", "Heater power (W)"}},
      {1001, {"Тепловые потери (%)", "Heat losses (%)"}},
      {1000, {"Флегм. число", "Reflux ratio"}},
      {1003, {"% (об) спирта в выходном дистилляте", "% ABV of the output distillate"}},
      {1005, {"Полный поток дистиллята", "Total distillate flow"}},
      {1006, {"Выходной поток дистиллята", "Output distillate flow"}}}},
    {"CPP_VolMasMol",
     {{1025, {"% Объемн.", "% ABV"}},
      {1026, {"% Масс.", "% mass"}},
      {1027, {"% Мол.", "% mol"}},
      {1032, {"Спирта, Масса (кг)", "Ethanol, Mass (kg)"}},
      {1033, {"Спирта, Объем (л)", "Ethanol, Volume (l)"}},
      {1034, {"Воды, Масса (кг)", "Water, Mass (kg)"}},
      {1035, {"Воды, Объем (л)", "Water, Volume (l)"}},
      {1036, {"Спирта, Масса (кг)", "Ethanol, Mass (kg)"}},
      {1037, {"Спирта, Объем (л)", "Ethanol, Volume (l)"}},
      {1038, {"Воды, Масса (кг)", "Water, Mass (kg)"}},
      {1039, {"Воды, Объем (л)", "Water, Volume (l)"}},
      {1042, {"N=", "N="}},
      {1031, {"Плотность (кг/л)", "Density (kg/l)"}},
      {1041, {"Удельный объем (л/кг)", "Specific volume (l/kg)"}},
      {1044, {"Показ. пикн.", "Pycnometer"}}}},
    {"CPP_CalkTkip",
     {{1025, {"Процент спирта в растворе", "Alcohol % in the liquid"}},
      {1030, {"Темпер. кипения", "Boiling temp."}},
      {1038, {"Объемный (конденсата)", "Volume (condensate)"}},
      {1036, {"Массовый", "Mass"}},
      {1037, {"Молярный", "Molar"}}}},
    {"CPP_VacPereg",
     {{1021, {"Температура кипения (*C)", "Boiling point (*C)"}},
      {1022, {"Давление нас. пара (мм.рт.ст.)", "Vapour press. (mm Hg)"}},
      {1025, {"Температура кипения (*C)", "Boiling point (*C)"}},
      {1026, {"Давление нас. пара (мм.рт.ст.)", "Vapour press. (mm Hg)"}},
      {1030, {"Процент спирта", "Alcohol %"}},
      {1029, {"Процент спирта", "Alcohol %"}},
      {1031, {"Температура кипения (градусы)", "Boiling temperature (degrees)"}},
      {1036, {"Температура кипения (градусы)", "Boiling temperature (degrees)"}},
      {1032, {"Давление нас. пара", "Vapour pressure"}},
      {1037, {"Давление нас. пара", "Vapour pressure"}}}},
    {"CPP_ShugarConc",
     {{1046, {"Что задано?", "What is given?"}},
      {1047, {"Что нужно получить?", "What is wanted?"}},
      {1048, {"Вес сахара (г)", "Sugar weight (g)"}},
      {1044, {"Объем воды (мл)", "Water volume (ml)"}},
      {1045, {"Объем результата (мл)", "Result volume (ml)"}},
      {1049, {"Вес результата (г)", "Result weight (g)"}},
      {1050, {"Плотность результата (г/л)", "Result density (g/l)"}}}},
    // The alternative fields are named by the unit labels the page sets.
    {"CPP_Peregon",
     {{1053, {"Начало перегонки", "Start of the run"}},
      {1055, {"Начало перегонки", "Start of the run"}},
      {1054, {"Конец перегонки", "End of the run"}},
      {1056, {"Конец перегонки", "End of the run"}},
      {1057, {"Объем браги", "Wash volume"}},
      {1058, {"Об%", "% ABV"}},
      {1061, {"Об%", "% ABV"}},
      {1063, {"Объем дист.", "Distillate vol."}},
      {1065, {"Креп. дист.(об%)", "Distillate % ABV"}},
      {1067, {"Остаток в баке", "Left in the pot"}}}},
    // The fractions' table: a row heading and a column heading each.
    {"CPP_PlanPeregon",
     {{2001, {"Объем (л)", "Volume (l)"}},
      {2003, {"Начало", "Start"}},
      {2002, {"Начало", "Start"}},
      {2004, {"Тарелок", "Plates"}},
      {2005, {"Флегм. число", "Reflux ratio"}},
      {2006, {"Мощность (вт)", "Power (W)"}},
      {2007, {"Потери (%)", "Losses (%)"}},
      {2008, {"Головы (% спирта)", "Heads (% alcohol)"}},
      {2010, {"Тело до", "Hearts to"}},
      {2009, {"Тело до", "Hearts to"}},
      {2012, {"Конец", "End"}},
      {2011, {"Конец", "End"}},
      {2060, {"Тело (% спирта)", "Hearts (% alcohol)"}},
      {2020, {"Головы, Объем (л)", "Heads, Volume (l)"}},
      {2021, {"Головы, Крепость (% об.)", "Heads, Strength (% ABV)"}},
      {2022, {"Головы, Спирт (л)", "Heads, Alcohol (l)"}},
      {2023, {"Головы, Время (ч:мм)", "Heads, Time (h:mm)"}},
      {2024, {"Головы, Конец (ч:мм)", "Heads, Ends at (h:mm)"}},
      {2025, {"Головы, Куб в конце (°C)", "Heads, Pot at end (°C)"}},
      {2026, {"Головы, Струя в конце (% об.)", "Heads, Stream at end (% ABV)"}},
      {2030, {"Тело, Объем (л)", "Hearts, Volume (l)"}},
      {2031, {"Тело, Крепость (% об.)", "Hearts, Strength (% ABV)"}},
      {2032, {"Тело, Спирт (л)", "Hearts, Alcohol (l)"}},
      {2033, {"Тело, Время (ч:мм)", "Hearts, Time (h:mm)"}},
      {2034, {"Тело, Конец (ч:мм)", "Hearts, Ends at (h:mm)"}},
      {2035, {"Тело, Куб в конце (°C)", "Hearts, Pot at end (°C)"}},
      {2036, {"Тело, Струя в конце (% об.)", "Hearts, Stream at end (% ABV)"}},
      {2040, {"Хвосты, Объем (л)", "Tails, Volume (l)"}},
      {2041, {"Хвосты, Крепость (% об.)", "Tails, Strength (% ABV)"}},
      {2042, {"Хвосты, Спирт (л)", "Tails, Alcohol (l)"}},
      {2043, {"Хвосты, Время (ч:мм)", "Tails, Time (h:mm)"}},
      {2044, {"Хвосты, Конец (ч:мм)", "Tails, Ends at (h:mm)"}},
      {2045, {"Хвосты, Куб в конце (°C)", "Tails, Pot at end (°C)"}},
      {2046, {"Хвосты, Струя в конце (% об.)", "Tails, Stream at end (% ABV)"}},
      {2050, {"Остаток в кубе, Объем (л)", "Left in pot, Volume (l)"}},
      {2051, {"Остаток в кубе, Крепость (% об.)", "Left in pot, Strength (% ABV)"}},
      {2052, {"Остаток в кубе, Спирт (л)", "Left in pot, Alcohol (l)"}}}},
};

class AccessibleNamesTest : public UiTest {
protected:
  void TearDown() override {
    UiTest::TearDown();
    brevimo::SetLanguage(brevimo::Language::Russian);
  }

  // Every field of every page against the table, in the language shown.
  void ExpectNames(bool english) {
    for (int i = 0; i < Sheet().GetPageCount(); ++i) {
      ASSERT_TRUE(Sheet().SetActivePage(i));
      const CPropertyPage* page = Sheet().GetPage(i);
      const auto expected = kExpected.find(page->ClassName());
      ASSERT_NE(expected, kExpected.end()) << page->ClassName();
      int fields = 0;
      for (const brevimo::res::DlgItem& item : page->Template().items) {
        if (!brevimo::res::IsField(item)) continue;
        ++fields;
        const auto name = expected->second.find(item.id);
        ASSERT_NE(name, expected->second.end()) << page->ClassName() << " " << item.id;
        const QWidget* field = Control(item.id);
        ASSERT_NE(field, nullptr);
        EXPECT_EQ(field->accessibleName(),
                  QString::fromUtf8(english ? name->second.second : name->second.first))
            << page->ClassName() << " " << item.id;
      }
      EXPECT_EQ(fields, static_cast<int>(expected->second.size())) << page->ClassName();
    }
  }
};

TEST_F(AccessibleNamesTest, EveryFieldIsNamedByItsOwnCaptionInBothLanguages) {
  ExpectNames(false);
  // Pages already built, retranslated by the language change.
  brevimo::SetLanguage(brevimo::Language::English);
  QApplication::processEvents();
  ExpectNames(true);
  brevimo::SetLanguage(brevimo::Language::Russian);
  QApplication::processEvents();
  ExpectNames(false);
}

// A unit label the page changes renames the field it captions.
TEST_F(AccessibleNamesTest, AFieldFollowsTheLabelThePageSets) {
  ShowPage("CPP_Peregon");
  Choose(1055, U("Об. %"));
  Type(1053, U("40"));
  Click(1062);
  EXPECT_EQ(Text(1059), U("Темпер."));
  EXPECT_EQ(Control(1058)->accessibleName(), U("Темпер."));
}

} // namespace
