// SPDX-License-Identifier: GPL-3.0-or-later
// Seeded random scenarios: a few fields typed (numbers, edge values, junk;
// read-only fields too, which the drivers skip), now and then an option,
// a check box or a list item chosen, then one of the page's buttons.
#include "transcript.h"

#include <random>

namespace brevimo::transcript {

namespace {

// Draws from the generator with the arithmetic written out, so that every
// standard library gives the same numbers (its distributions may not).
class Draw {
public:
  explicit Draw(std::uint32_t seed) : m_engine(seed) {}
  // 0 .. n-1
  std::uint32_t Below(std::uint32_t n) { return static_cast<std::uint32_t>(m_engine() % n); }
  bool OneIn(std::uint32_t n) { return Below(n) == 0; }
  template <class T, std::size_t N> const T& Pick(const T (&items)[N]) {
    return items[Below(static_cast<std::uint32_t>(N))];
  }

  std::string Digits(int count) {
    std::string s;
    for (int i = 0; i < count; ++i)
      s += static_cast<char>('0' + Below(10));
    return s;
  }

  // A number as a user types it: a sign now and then, whole part of some
  // size, decimals after a point or a comma, an exponent now and then.
  std::string Number() {
    std::string s;
    if (OneIn(8)) s += '-';
    static const std::uint32_t limits[] = {10, 101, 2001, 100001};
    s += std::to_string(Below(Pick(limits)));
    const int decimals = static_cast<int>(Below(5));
    if (decimals) s += (OneIn(4) ? ',' : '.') + Digits(decimals);
    if (OneIn(16)) s += (OneIn(2) ? "e" : "e-") + std::to_string(Below(400));
    return s;
  }

  // Values at the pages' limits and the number parser's.
  std::string Edge() {
    static const char* const edges[] = {
        "0",
        "-0",
        "100",
        "100.0",
        "0.0",
        "1",
        "-1",
        "96",
        "40",
        "97.17",
        "97.18",
        "95.57",
        "95.58",
        "89.41",
        "99.9",
        "99.91",
        "1000",
        "1000.1",
        "78.15",
        "78.14",
        "100.01",
        "99.99",
        "-25",
        "-25.1",
        "40.1",
        "20",
        "0.7893",
        "0.9982",
        "0.7892",
        "0.9983",
        "1.01",
        "0.5",
        "1e308",
        "-1e308",
        "1.7e308",
        "1e-308",
        "1e307",
        "4.9e-324",
        "1e400",
        "-1e400",
        "760",
        "0.01",
        "273.15",
        "-273.15",
        "-273.16",
        "-459.67",
        "0,5",
        "96,0",
        "1e3",
        "1E3",
        ".5",
        "5.",
        "-.5",
        "+5",
        "00012",
        "0.00001",
        "9999999999999999999",
        "1234567.891",
        "3.14159265358979",
        "12.345",
    };
    return Pick(edges);
  }

  // Text that is not a number, or a number with more around it.
  std::string Junk() {
    static const char* const junk[] = {
        "",    "abc",  "-",        ".",     ",",     " ",     "e",     "e5",  "nan", "NaN",
        "inf", "-inf", "Infinity", "0x10",  "1,2,3", "1.2.3", "--5",   "+-5", "1e",  "1e+",
        "５",  "٣",    "½",        "пять",  "5 %",   "\t7",   "12abc", " 40", "40 ", "4 0",
        "%",   "\"",   "\\",       "1'000", "1 000", "1_000", "∞",     "−5",  "#",   "()",
    };
    switch (Below(4)) {
    case 0:
      return Number() + Pick(junk);
    case 1:
      return Pick(junk) + Number();
    default:
      return Pick(junk);
    }
  }

  std::string FieldText() {
    const std::uint32_t kind = Below(10);
    if (kind < 7) return Number();
    if (kind < 9) return Edge();
    return Junk();
  }

private:
  std::mt19937 m_engine;
};

} // namespace

std::vector<Scenario> RandomScenarios(const TranscriptPage& page, std::uint32_t seed, int count) {
  std::vector<int> edits, buttons;
  std::vector<const res::DlgItem*> choices;
  for (const res::DlgItem& item : page.dialog->items) {
    if (item.id == res::IDC_STATIC) continue;
    switch (item.kind) {
    case res::Ctl::Edit:
      edits.push_back(item.id);
      break;
    case res::Ctl::Button: {
      bool leftOut = false;
      for (int id : page.leftOut)
        leftOut = leftOut || id == item.id;
      if (!leftOut) buttons.push_back(item.id);
      break;
    }
    case res::Ctl::Radio:
    case res::Ctl::CheckBox:
    case res::Ctl::DropList:
    case res::Ctl::DropDown:
      choices.push_back(&item);
      break;
    default:
      break;
    }
  }
  Draw draw(seed);
  std::vector<Scenario> scenarios;
  for (int n = 0; n < count; ++n) {
    Scenario s{"random " + std::to_string(n + 1), {}};
    const std::uint32_t types = edits.empty() ? 0 : draw.Below(5);
    const std::uint32_t chooseAt = choices.empty() || draw.OneIn(2) ? 99 : draw.Below(types + 1);
    for (std::uint32_t t = 0; t <= types; ++t) {
      if (t == chooseAt) {
        const res::DlgItem& item = *choices[draw.Below(static_cast<std::uint32_t>(choices.size()))];
        int index = 1;
        if (item.kind == res::Ctl::CheckBox) index = static_cast<int>(draw.Below(2));
        if (item.kind == res::Ctl::DropList || item.kind == res::Ctl::DropDown)
          index = static_cast<int>(draw.Below(static_cast<std::uint32_t>(item.items.size())));
        s.actions.push_back({Action::Choose, item.id, {}, index});
      }
      if (t < types) {
        const int id = edits[draw.Below(static_cast<std::uint32_t>(edits.size()))];
        s.actions.push_back({Action::Type, id, draw.FieldText(), 0});
      }
    }
    if (!buttons.empty())
      s.actions.push_back(
          {Action::Click, buttons[draw.Below(static_cast<std::uint32_t>(buttons.size()))], {}, 0});
    scenarios.push_back(std::move(s));
  }
  return scenarios;
}

} // namespace brevimo::transcript
