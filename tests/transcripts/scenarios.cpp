// SPDX-License-Identifier: GPL-3.0-or-later
// The hand-written scenarios of each page: the manual's worked example (as
// its table in doc/manual/index.html has it), the cases of the page tests
// (tests/pages) and the refusals the page can give. A page's scenarios run
// in order on one page, so each starts where the one before left it; where
// a test starts from the opening values, a scenario first types them back.
#include "transcript.h"

#include <functional>
#include <map>
#include <string>

namespace brevimo::transcript {
namespace {

Action T(int id, const char* text) { return {Action::Type, id, text, 0}; }
Action Ch(int id, int index) { return {Action::Choose, id, {}, index}; }
Action K(int id) { return {Action::Click, id, {}, 0}; }

using List = std::vector<Scenario>;

void KsTCorr(List& s) {
  auto calc = [&](std::string name, const char* reading, const char* measured, const char* wanted) {
    s.push_back({std::move(name), {T(1015, reading), T(1016, measured), T(1017, wanted), K(1021)}});
  };
  calc("manual example", "40", "30", "20");
  s.push_back({"opening values recompute to themselves",
               {T(1015, "96.00"), T(1016, "20.0"), T(1017, "20.0"), K(1021)}});
  const char* cases[][3] = {
      {"40", "30", "20"},   {"40", "10", "20"},    {"30", "-25", "20"},   {"50", "40", "-25"},
      {"10", "-5", "20"},   {"96", "-25", "20"},   {"20", "20", "-5"},    {"100", "20", "30"},
      {"0", "20", "4"},     {"40", "40.1", "20"},  {"40", "20", "-25.1"}, {"100.5", "20", "20"},
      {"-0.5", "20", "20"}, {"100.5", "20", "41"}, {"1e308", "20", "20"}, {"40", "1e308", "20"},
  };
  for (const auto& c : cases)
    calc(std::string("case ") + c[0] + ' ' + c[1] + ' ' + c[2], c[0], c[1], c[2]);
  calc("success clears the error line", "40", "30", "20");
  calc("comma is a decimal separator", "40,5", "30,0", "20");
  for (int id : {1015, 1016, 1017})
    for (const char* text : {"", "abc", "-"})
      s.push_back({"refused text " + std::to_string(id) + ' ' + Quote(text),
                   {T(1015, "40"), T(1016, "30"), T(1017, "20"), T(id, text), K(1021)}});
}

void RazvedSpirta(List& s) {
  auto calc = [&](std::string name, int option, const char* volume, const char* spirit,
                  const char* result) {
    s.push_back({std::move(name),
                 {Ch(option, 1), T(1041, volume), T(1039, spirit), T(1040, result), K(1042)}});
  };
  calc("manual example", 1038, "1000", "96", "40");
  calc("opening example recomputed", 1036, "1000", "96", "40");
  calc("given result", 1038, "1000", "96", "40");
  calc("given water", 1037, "1000", "96", "40");
  calc("given water back to the example", 1037, "1467.97", "96", "40");
  calc("given result back to the example", 1038, "2400.11", "96", "40");
  calc("given spirit with a comma", 1036, "250,5", "96", "40");
  calc("equal strengths take no water", 1036, "1000", "96", "96");
  calc("equal strengths with a negative residue", 1038, "1000", "50", "50");
  calc("stronger result refused", 1036, "1000", "96", "96.5");
  calc("stronger result refused before the range", 1036, "1000", "101", "150");
  calc("spirit out of range", 1036, "1000", "101", "40");
  calc("result out of range", 1036, "1000", "96", "-1");
  calc("result of strength zero, spirit given", 1036, "1000", "96", "0");
  calc("result of strength zero, water given", 1037, "1000", "96", "0");
  calc("result of strength zero, result given", 1038, "1000", "96", "0");
  calc("equal strengths with the water given", 1037, "500", "40", "40");
  calc("overflowing volume", 1036, "1e308", "96", "40");
  calc("zero volume", 1036, "0", "96", "40");
  calc("negative volume", 1036, "-1000", "96", "40");
  for (int id : {1041, 1039, 1040})
    for (const char* text : {"", "abc"})
      s.push_back(
          {"refused text " + std::to_string(id) + ' ' + Quote(text),
           {Ch(1036, 1), T(1041, "1000"), T(1039, "96"), T(1040, "40"), T(id, text), K(1042)}});
}

void CombRastv(List& s) {
  // Fields in the order vol 1, % 1, vol 2, % 2, result vol, result %.
  const int ids[] = {1011, 1010, 1013, 1012, 1015, 1014};
  auto calc = [&](std::string name, int mode, std::vector<const char*> texts) {
    Scenario sc{std::move(name), {Ch(mode, 1)}};
    for (std::size_t i = 0; i < texts.size(); ++i)
      if (texts[i]) sc.actions.push_back(T(ids[i], texts[i]));
    sc.actions.push_back(K(1004));
    s.push_back(std::move(sc));
  };
  calc("manual example", 1018, {"1000", "96", nullptr, nullptr, "1976.02", "68.83"});
  calc("opening example recomputed", 1017, {"1000", "96", "1000", "40"});
  s.push_back({"option buttons switch the editable fields", {Ch(1018, 1)}});
  s.push_back({"and back", {Ch(1017, 1)}});
  calc("finding solution 2 replaces stale values", 1018,
       {"1000", "96", "0", "0", "1976.02", "68.83"});
  calc("solution 1 shown with one decimal", 1017, {"1234.56", "50", "765.4", "20"});
  calc("strengths of 0 and 100 mix", 1017, {"250", "100", "300", "0"});
  calc("strength 100 found", 1018, {"100", "100", nullptr, nullptr, "300", "100"});
  calc("strength 0 found", 1018, {"250", "0", nullptr, nullptr, "500", "0"});
  calc("equal volumes of strength 0", 1018, {"250", "0", nullptr, nullptr, "250", "0"});
  const std::vector<const char*> mixRefusals[] = {
      {"-1", "96", "1000", "40"},      {"1000", "-5", "-1", "101"}, {"1000", "101", "1000", "-0.5"},
      {"1000", "96", "1000", "100.5"}, {"0", "96", "0", "40"},      {"1e308", "96", "1e308", "40"},
      {"1e308", "100", "0", "40"},
  };
  int n = 0;
  for (const auto& texts : mixRefusals)
    calc("mixing refused " + std::to_string(++n), 1017, texts);
  const std::vector<const char*> findRefusals[] = {
      {"1000", "96", nullptr, nullptr, "-1", "40"},
      {"2000", "-1", nullptr, nullptr, "1000", "40"},
      {"1000", "-1", nullptr, nullptr, "1000", "101"},
      {"1000", "96", nullptr, nullptr, "2000", "101"},
      {"1000", "96", nullptr, nullptr, "2000", "40"},
      {"1000", "96", nullptr, nullptr, "1000", "96"},
      {"1000", "40", nullptr, nullptr, "1000", "60"},
      {"1000", "40", nullptr, nullptr, "1e308", "60"},
  };
  n = 0;
  for (const auto& texts : findRefusals)
    calc("finding refused " + std::to_string(++n), 1018, texts);
  calc("equal volumes pass in finding solution 2", 1018,
       {"1000", "40", nullptr, nullptr, "1000", "40"});
  for (int mode : {1017, 1018})
    for (int id : ids)
      s.push_back({"refused text " + std::to_string(mode) + ' ' + std::to_string(id),
                   {Ch(mode, 1), T(id, "abc"), K(1004)}});
}

void PowerAndOut(List& s) {
  auto inputs = [](const char* power, const char* losses, const char* reflux,
                   const char* strength) {
    return std::vector<Action>{T(1002, power), T(1001, losses), T(1000, reflux), T(1003, strength)};
  };
  {
    auto a = inputs("1000", "10", "3", "96");
    a.push_back(Ch(1008, 1));
    a.push_back(K(1004));
    s.push_back({"manual example", a});
  }
  for (int unit : {1007, 1008, 1009}) {
    auto a = inputs("1000", "10", "3", "96");
    a.push_back(Ch(unit, 1));
    a.push_back(K(1004));
    s.push_back({"unit " + std::to_string(unit), a});
  }
  s.push_back(
      {"only the ethanol heat is weighted, per hour", {T(1003, "50"), Ch(1009, 1), K(1004)}});
  s.push_back({"strength 0 per second", {T(1003, "0"), Ch(1007, 1), K(1004)}});
  {
    auto a = inputs("1500.555", "7.5", "2.25", "90.1");
    a.push_back(K(1004));
    s.push_back({"inputs rewritten in their formats", a});
  }
  const struct {
    int field;
    const char* typed;
  } bounds[] = {{1002, "0"},    {1002, "-100"},  {1002, "0.01"},  {1001, "-0.01"}, {1001, "0"},
                {1001, "99.9"}, {1001, "99.91"}, {1000, "-0.1"},  {1000, "1000"},  {1000, "1000.1"},
                {1003, "-1"},   {1003, "0"},     {1003, "97.17"}, {1003, "97.18"}, {1002, ""},
                {1003, "abc"},  {1001, "x"},     {1000, ""},      {1002, "1e308"}};
  for (const auto& b : bounds) {
    auto a = inputs("1000", "10", "3", "96");
    a.push_back(Ch(1007, 1));
    a.push_back(T(b.field, b.typed));
    a.push_back(K(1004));
    s.push_back({"bound " + std::to_string(b.field) + ' ' + Quote(b.typed), a});
  }
  {
    auto a = inputs("0", "-1", "-1", "-1");
    a.push_back(K(1004));
    s.push_back({"checks run in order: power", a});
  }
  s.push_back({"checks run in order: losses", {T(1002, "1000"), K(1004)}});
  s.push_back({"checks run in order: reflux", {T(1001, "10"), K(1004)}});
  s.push_back({"checks run in order: strength", {T(1000, "3"), K(1004)}});
  s.push_back(
      {"reflux zero draws off everything", {T(1003, "96"), T(1000, "0"), Ch(1008, 1), K(1004)}});
  s.push_back({"unit read when calculating", {Ch(1009, 1), T(1000, "3"), K(1004)}});
}

void VolMasMol(List& s) {
  s.push_back({"manual example", {T(1025, "40"), T(1042, "10"), Ch(1040, 1), K(1028)}});
  s.push_back({"volume on the defaults", {T(1025, "96"), T(1042, "1"), K(1028)}});
  s.push_back({"without contraction", {Ch(1040, 0), K(1028)}});
  s.push_back(
      {"forty percent in ten litres", {Ch(1040, 1), T(1025, "40"), T(1042, "10"), K(1028)}});
  s.push_back({"and without contraction", {Ch(1040, 0), K(1028)}});
  s.push_back({"from mass", {Ch(1040, 1), T(1026, "93.84"), K(1029)}});
  s.push_back({"from molar", {T(1027, "50"), K(1030)}});
  const struct {
    int field, button;
    const char* value;
  } rows[] = {{1025, 1028, "0"},   {1026, 1029, "0"},   {1027, 1030, "0"},
              {1025, 1028, "100"}, {1026, 1029, "100"}, {1027, 1030, "100"}};
  for (const auto& r : rows)
    s.push_back({"zero and hundred " + std::to_string(r.button) + ' ' + r.value,
                 {T(r.field, r.value), K(r.button)}});
  s.push_back({"molar out of range", {T(1027, "100.5"), K(1030)}});
  s.push_back({"volume out of range", {T(1025, "-1"), K(1028)}});
  s.push_back({"mass out of range", {T(1026, "100.01"), K(1029)}});
  for (const char* d : {"0.9", "0.99", "1.0", "0.7893", "0.9982", "0.7", "0,85"})
    s.push_back({std::string("density ") + d, {T(1031, d), K(1043)}});
  for (const char* p : {"0.8089", "1.0", "1.01", "0.9"})
    s.push_back({std::string("pycnometer ") + p, {T(1044, p), K(1045)}});
  s.push_back({"Tmp does nothing", {T(1025, "40"), K(1065)}});
  s.push_back({"comma and trailing text", {T(1025, "40,0"), T(1042, " 10kg"), K(1028)}});
  for (const char* text : {"", "abc", "-", "."})
    s.push_back({"N refused " + Quote(text), {T(1025, "40"), T(1042, text), K(1028)}});
  s.push_back({"density not read by the volume button", {T(1042, "1"), T(1031, "abc"), K(1028)}});
  s.push_back({"density refused", {T(1031, "abc"), K(1043)}});
  s.push_back({"pycnometer refused", {T(1044, ""), K(1045)}});
  for (int id : {1025, 1026, 1027})
    s.push_back({"refused text " + std::to_string(id), {T(id, "x"), K(1028)}});
  s.push_back({"fields back to numbers",
               {T(1025, "96"), T(1026, "93.84"), T(1027, "85.63"), T(1042, "1"), T(1031, "0.8075"),
                T(1044, "0.8089"), K(1028)}});
  s.push_back({"results that are not finite", {T(1025, "96"), T(1042, "1.7e308"), K(1028)}});
  s.push_back({"back to a finite N", {T(1042, "1"), K(1028)}});
  s.push_back({"point under any locale", {T(1025, "40.5"), K(1028)}});
}

void CalkTkip(List& s) {
  s.push_back({"manual example", {Ch(1034, 1), T(1025, "50"), K(1031)}});
  s.push_back({"opening example recomputed", {Ch(1032, 1), T(1025, "96"), K(1031)}});
  const struct {
    int option;
    const char* typed;
  } conc[] = {{1034, "50"}, {1034, "10.5"},  {1032, "40"},  {1032, "96"},
              {1035, "20"}, {1035, "85.63"}, {1034, "50,0"}};
  for (const auto& c : conc)
    s.push_back({"from strength " + std::to_string(c.option) + ' ' + c.typed,
                 {Ch(c.option, 1), T(1025, c.typed), K(1031)}});
  const struct {
    int option;
    const char* typed;
  } refusals[] = {{1032, "0"},      {1034, "0"},      {1035, "0"},     {1032, "100"},
                  {1034, "100"},    {1035, "100"},    {1034, "95.58"}, {1032, "97.2"},
                  {1032, "100.01"}, {1035, "100.01"}, {1032, "-1"},    {1035, "-0.01"},
                  {1034, "100.01"}, {1034, "-1"},     {1034, "abc"},   {1032, ""}};
  for (const auto& c : refusals)
    s.push_back({"strength refused " + std::to_string(c.option) + ' ' + Quote(c.typed),
                 {Ch(c.option, 1), T(1025, c.typed), K(1031)}});
  s.push_back({"unit change keeps the number", {Ch(1032, 1), T(1025, "96"), Ch(1034, 1)}});
  s.push_back({"and reads it in the new unit", {K(1031)}});
  s.push_back({"molar", {Ch(1035, 1), T(1025, "96"), K(1031)}});
  s.push_back({"volume again", {Ch(1032, 1), T(1025, "96"), K(1031)}});
  for (int option : {1034, 1032, 1035})
    for (const char* t : {"90.5", "78.15", "85", "80"})
      s.push_back({"from temperature " + std::to_string(option) + ' ' + t,
                   {Ch(option, 1), T(1030, t), K(1033)}});
  for (const char* t : {"100", "120", "78.14", "0", "x", ""})
    s.push_back({"temperature refused " + Quote(t), {T(1030, t), K(1033)}});
  s.push_back({"typed values shown again in their format",
               {Ch(1034, 1), T(1030, "78.21"), T(1025, "50"), K(1031)}});
  s.push_back({"and after the temperature", {T(1025, "12"), T(1030, "90.5"), K(1033)}});
  s.push_back({"strength button reads the temperature too", {T(1030, "abc"), K(1031)}});
}

void VacPereg(List& s) {
  s.push_back({"manual example",
               {Ch(1029, 1), T(1030, "40"), Ch(1036, 0), T(1031, "84.1"), Ch(1037, 0), K(1033)}});
  const struct {
    int button, field;
  } buttons[] = {{1034, 1031}, {1033, 1032}, {1035, 1030}, {1023, 1022},
                 {1024, 1021}, {1027, 1026}, {1028, 1025}};
  for (const auto& b : buttons)
    s.push_back({"from the defaults " + std::to_string(b.button),
                 {T(1021, "78.39"), T(1022, "760"), T(1025, "99.9927"), T(1026, "760"), Ch(1029, 1),
                  T(1030, "40"), Ch(1036, 0), T(1031, "84.1"), Ch(1037, 0), T(1032, "760"),
                  T(b.field, "0"), K(b.button)}});
  s.push_back(
      {"solution temperature in Kelvin", {T(1030, "40"), T(1032, "760"), Ch(1036, 1), K(1034)}});
  s.push_back({"and in Fahrenheit", {Ch(1036, 2), T(1031, "0"), K(1034)}});
  s.push_back({"Kelvin chosen under a Celsius value",
               {Ch(1036, 0), T(1031, "84.1"), Ch(1036, 1), K(1033)}});
  s.push_back({"pressure in atmospheres",
               {Ch(1036, 0), T(1031, "84.1"), Ch(1037, 4), T(1032, "1"), K(1034)}});
  s.push_back({"pressure in kPa", {Ch(1037, 2), T(1032, "101.3253"), K(1033)}});
  for (int button : {1033, 1034, 1035})
    s.push_back({"percent above 100 " + std::to_string(button),
                 {Ch(1037, 0), T(1032, "760"), T(1031, "84.1"), T(1030, "100.5"), K(button)}});
  s.push_back(
      {"failure keeps the typed fields", {T(1030, "40"), T(1021, "300"), T(1025, "50"), K(1023)}});
  s.push_back({"water pressure from 50 degrees", {K(1027)}});
  s.push_back({"alcohol temperature refused", {T(1021, "abc"), K(1023)}});
  s.push_back({"zero with a comma", {T(1021, "0,0"), K(1023)}});
  s.push_back({"overflowing pressure", {Ch(1037, 3), T(1032, "1e307"), K(1024)}});
  s.push_back({"alcohol pressure out of range",
               {Ch(1037, 0), T(1032, "760"), T(1021, "78.39"), T(1022, "1e6"), K(1024)}});
  s.push_back({"alcohol pressure too low", {T(1022, "0.0001"), K(1024)}});
  s.push_back({"alcohol temperature out of range", {T(1022, "760"), T(1021, "-200"), K(1023)}});
  s.push_back({"water pressure out of range", {T(1021, "78.39"), T(1026, "1e6"), K(1028)}});
  s.push_back({"water temperature out of range", {T(1026, "760"), T(1025, "500"), K(1027)}});
  s.push_back({"solution percent negative", {T(1025, "99.99"), T(1030, "-1"), K(1033)}});
  s.push_back({"solution above water's boiling", {T(1030, "40"), T(1031, "150"), K(1035)}});
  s.push_back({"solution below alcohol's boiling", {T(1031, "20"), K(1035)}});
  s.push_back({"solution temperature far out", {T(1031, "500"), K(1033)}});
  s.push_back({"solution pressure tiny", {T(1031, "84.1"), T(1032, "0.001"), K(1034)}});
  s.push_back({"solution pressure huge", {T(1032, "1e9"), K(1034)}});
  s.push_back({"solution temperature very low", {T(1032, "760"), T(1031, "-100"), K(1033)}});
  for (int id : {1021, 1022, 1025, 1026, 1030, 1031, 1032})
    s.push_back({"refused text " + std::to_string(id), {T(id, ""), K(1033)}});
  s.push_back({"values survive",
               {T(1021, "78.39"), T(1022, "760"), T(1025, "99.99"), T(1026, "760"), T(1030, "96"),
                T(1031, "84.1"), T(1032, "760"), Ch(1037, 6), K(1035)}});
}

void ShugarConc(List& s) {
  const int given[] = {1036, 1037, 1038, 1039};
  const int wanted[] = {1040, 1041, 1043};
  auto calc = [&](std::string name, int g, const char* amount, int w, const char* value) {
    s.push_back({std::move(name),
                 {Ch(given[g], 1), T(1046, amount), Ch(wanted[w], 1), T(1047, value), K(1042)}});
  };
  calc("manual example", 1, "1000", 0, "100");
  calc("opening values recomputed", 2, "1000", 0, "100");
  calc("sugar weight given", 0, "100", 0, "100");
  calc("water volume given", 1, "1000", 0, "100");
  calc("result weight per kilogram", 3, "1000", 2, "100");
  calc("density wanted", 2, "1000", 1, "1100");
  calc("zero per litre", 0, "100", 0, "0");
  calc("water density", 2, "1000", 1, "1000");
  calc("inputs shown in their formats", 2, "1234.5678", 0, "99.123456");
  const struct {
    int g, w;
    const char* value;
  } refusals[] = {{2, 0, "1208.42"},
                  {2, 0, "1208.4100000001"},
                  {2, 0, "-0.01"},
                  {2, 1, "999.99"},
                  {2, 1, "999.9999999999"},
                  {2, 1, "1441.71"},
                  {2, 2, "840.01"},
                  {2, 2, "-1"},
                  {0, 2, "0"},
                  {0, 1, "1000"}};
  for (const auto& r : refusals)
    calc(std::string("refused ") + std::to_string(r.g) + ' ' + std::to_string(r.w) + ' ' + r.value,
         r.g, "1000", r.w, r.value);
  const struct {
    int w;
    const char* value;
  } bounds[] = {{0, "1208.41"}, {0, "1208.4"}, {0, "0"}, {1, "1441.7"},
                {1, "1000"},    {2, "840"},    {2, "0"}};
  for (const auto& b : bounds)
    calc(std::string("bound ") + std::to_string(b.w) + ' ' + b.value, 2, "1000", b.w, b.value);
  s.push_back({"amount refused", {T(1046, "abc"), K(1042)}});
  s.push_back({"value refused", {T(1046, "1000"), T(1047, ""), K(1042)}});
  calc("overflowing amount", 1, "1.7e308", 0, "100");
  calc("negative amounts are not checked", 3, "-1000", 2, "100");
  s.push_back({"typed values survive", {T(1047, "150"), Ch(1036, 1), T(1046, "100"), K(1042)}});
}

void Peregon(List& s) {
  auto run = [&](std::string name, int startKind, const char* start, int endKind, const char* end,
                 const char* wash) {
    s.push_back({std::move(name),
                 {Ch(1055, startKind), Ch(1056, endKind), T(1053, start), T(1054, end),
                  T(1057, wash), K(1062)}});
  };
  s.push_back({"manual example",
               {Ch(1055, 1), T(1053, "10"), Ch(1056, 1), T(1054, "2"), T(1057, "20"), K(1062)}});
  run("worked run on the defaults", 0, "92.5", 0, "98", "1");
  run("between strengths", 1, "10", 1, "2", "20");
  s.push_back({"kind change shows at the next refresh", {Ch(1055, 1)}});
  s.push_back({"run with the new kind", {T(1053, "10"), K(1062)}});
  s.push_back({"with the file",
               {Ch(1055, 0), Ch(1056, 0), T(1053, "92.5"), T(1054, "98"), T(1057, "1"), Ch(1064, 1),
                K(1062)}});
  s.push_back({"the file replaced by the next run", {T(1054, "95"), K(1062)}});
  s.push_back({"a failed run with the file", {T(1054, "92.5"), K(1062)}});
  s.push_back({"without the file", {Ch(1064, 0), T(1054, "98"), K(1062)}});
  run("negative wash", 0, "92.5", 0, "98", "-1");
  run("run again", 0, "92.5", 0, "95", "1");
  run("failure 1", 0, "92.5", 0, "92.5", "1");
  run("failure 2", 0, "99", 0, "92.5", "1");
  run("failure 3", 0, "100", 0, "98", "1");
  run("failure 4", 0, "92.5", 0, "70", "1");
  run("failure 5", 1, "98", 1, "2", "1");
  run("failure 6", 1, "101", 1, "2", "1");
  run("failure 7", 0, "92.5", 0, "98", "0");
  run("failure 8", 0, "92.5", 0, "98", "-1");
  run("failure 9", 0, "92.5", 1, "0", "1");
  run("failure 10", 0, "78.15", 0, "98", "1");
  run("end strength not reached", 1, "96", 1, "0.0001", "1");
  run("wash beyond doubles", 0, "92.5", 0, "98", "1.7e308");
  run("start below the end strength", 1, "2", 1, "10", "1");
  for (int field : {1053, 1054, 1057})
    for (const char* bad : {"", ".0", "-0", "abc", "9 2", "92.5x"})
      s.push_back({"strict " + std::to_string(field) + ' ' + Quote(bad),
                   {Ch(1055, 0), Ch(1056, 0), T(1053, "92.5"), T(1054, "98"), T(1057, "1"),
                    T(field, bad), K(1062)}});
  s.push_back(
      {"blanks and a comma", {T(1053, " 92,5\t"), T(1054, "98.0 "), T(1057, "1"), K(1062)}});
  s.push_back({"wash written 0.0", {T(1057, "0.0"), K(1062)}});
  s.push_back({"alternatives fail", {T(1057, "1"), T(1053, "100"), T(1054, "101"), K(1062)}});
  s.push_back({"one alternative fails", {T(1053, "90"), K(1062)}});
  s.push_back(
      {"a strength without a temperature", {T(1054, "98"), Ch(1055, 1), T(1053, "0"), K(1062)}});
  s.push_back({"chart button left out, results read-only",
               {Ch(1055, 0), T(1053, "92.5"), T(1058, "1"), T(1063, "1"), K(1062)}});
}

void PlanPeregon(List& s) {
  // Charge, still and cuts typed in full, then "Расчет".
  auto plan = [&](std::string name, std::vector<const char*> v, int startKind, int heartsKind,
                  int endKind) {
    s.push_back({std::move(name),
                 {Ch(2003, startKind), Ch(2010, heartsKind), Ch(2012, endKind), T(2001, v[0]),
                  T(2002, v[1]), T(2004, v[2]), T(2005, v[3]), T(2006, v[4]), T(2007, v[5]),
                  T(2008, v[6]), T(2009, v[7]), T(2011, v[8]), K(2013)}});
  };
  const int vol = 1, temp = 0;
  plan("manual example", {"20", "40", "5", "3", "2000", "10", "5", "80", "98"}, vol, vol, temp);
  plan("opening example", {"20", "40", "0", "3", "2000", "10", "5", "60", "98"}, vol, vol, temp);
  plan("the run page's worked run", {"1", "92.5", "0", "3", "2000", "10", "0", "98", "98"}, temp,
       temp, temp);
  plan("many plates, much reflux", {"100", "10", "30", "20", "3000", "5", "2", "90", "99"}, vol,
       vol, temp);
  plan("hearts by the pot, end by the stream",
       {"20", "40", "5", "3", "2000", "10", "5", "95", "40"}, vol, temp, vol);
  plan("no heads, half of the alcohol", {"20", "40", "5", "3", "2000", "10", "0", "80", "98"}, vol,
       vol, temp);
  plan("fifty plates", {"20", "40", "50", "3", "2000", "10", "50", "85", "98"}, vol, vol, temp);
  // Refusals, one for each rule.
  const char* ok[] = {"20", "40", "5", "3", "2000", "10", "5", "80", "98"};
  const struct {
    const char* name;
    int field; // index into ok
    const char* text;
  } bad[] = {
      {"volume 0", 0, "0"},
      {"negative volume", 0, "-1"},
      {"huge volume", 0, "1e308"},
      {"start beyond the azeotrope", 1, "97.5"},
      {"start 0", 1, "0"},
      {"start above 100", 1, "101"},
      {"plates -1", 2, "-1"},
      {"plates 51", 2, "51"},
      {"plates not whole", 2, "2.5"},
      {"reflux -1", 3, "-1"},
      {"reflux 1001", 3, "1001"},
      {"power 0", 4, "0"},
      {"losses 100", 5, "100"},
      {"losses -1", 5, "-1"},
      {"heads 51", 6, "51"},
      {"heads -1", 6, "-1"},
      {"hearts cut 0", 7, "0"},
      {"hearts cut 100", 7, "100"},
      {"hearts cut above the stream", 7, "96"},
      {"end after the hearts", 8, "101"},
  };
  for (const auto& b : bad) {
    std::vector<const char*> v(std::begin(ok), std::end(ok));
    v[static_cast<std::size_t>(b.field)] = b.text;
    plan(std::string("refused: ") + b.name, v, vol, vol, temp);
  }
  plan("refused: hearts after the run's end", {"20", "40", "5", "3", "2000", "10", "5", "70", "80"},
       vol, vol, vol);
  plan("refused: a pot already past the hearts' end",
       {"20", "40", "5", "3", "2000", "10", "5", "80", "85"}, vol, temp, temp);
  plan("refused: a pot still's first stream below the cut",
       {"20", "40", "0", "3", "2000", "10", "5", "80", "98"}, vol, vol, temp);
  for (int field : {2001, 2002, 2004, 2005, 2006, 2007, 2008, 2009, 2011})
    for (const char* text : {"", "abc", "-"})
      s.push_back(
          {"refused text " + std::to_string(field) + ' ' + Quote(text), {T(field, text), K(2013)}});
  plan("results read-only", {"20", "40", "5", "3", "2000", "10", "5", "80", "98"}, vol, vol, temp);
  s.push_back({"results not typed over", {T(2020, "1"), T(2060, "1"), K(2013)}});
}

void TestPage(List& s) {
  s.push_back({"writes the table", {K(1020)}});
  s.push_back({"and again", {K(1020)}});
}

} // namespace

std::vector<Scenario> HandScenarios(const TranscriptPage& page) {
  static const std::map<std::string, std::function<void(List&)>> pages = {
      {"CPP_KsTCorr", KsTCorr},     {"CPP_RazvedSpirta", RazvedSpirta},
      {"CPP_CombRastv", CombRastv}, {"CPP_PowerAndOut", PowerAndOut},
      {"CPP_VolMasMol", VolMasMol}, {"CPP_CalkTkip", CalkTkip},
      {"CPP_VacPereg", VacPereg},   {"CPP_ShugarConc", ShugarConc},
      {"CPP_Peregon", Peregon},     {"CPP_PlanPeregon", PlanPeregon},
      {"CPP_TestPage", TestPage},
  };
  List list;
  const auto it = pages.find(page.className);
  if (it != pages.end()) it->second(list);
  return list;
}

namespace {

std::uint32_t Seed(const char* className) {
  std::uint32_t hash = 2166136261u; // FNV-1a
  for (const char* c = className; *c; ++c)
    hash = (hash ^ static_cast<unsigned char>(*c)) * 16777619u;
  return hash;
}

} // namespace

std::vector<Scenario> AllScenarios(const TranscriptPage& page, int random) {
  std::vector<Scenario> all = HandScenarios(page);
  if (random < 0) random = page.random;
  for (Scenario& s : RandomScenarios(page, Seed(page.className), random))
    all.push_back(std::move(s));
  return all;
}

} // namespace brevimo::transcript
