// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/ui/small_disk.h"
#include "tests/ui/ui_fixture.h"

#include "app/run_chart.h"
#include "app/run_steps_model.h"
#include "calc/distillation.h"
#include "tests/temp_dir.h"
#include "ui/replacing_file.h"

#include <QClipboard>
#include <QImage>
#include <QPushButton>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

namespace {

namespace fs = std::filesystem;

constexpr int kStart = 1053, kEnd = 1054, kStartKind = 1055, kEndKind = 1056, kWash = 1057;
constexpr int kAltStart = 1058, kAltStartLabel = 1059, kAltEndLabel = 1060, kAltEnd = 1061;
constexpr int kRun = 1062, kOutVol = 1063, kFile = 1064, kOutVolCon = 1065, kVolBak = 1067;
constexpr int kChart = 1099;
const char* const kEnterNumber = "Please enter a number.";
const char* const kHeader = "TKipBak\tVConBak\tVolBak\tParVolCon\tOutVol\tOutVolCon\n";

// Each test runs in a fresh working directory, where the page writes its file.
class PeregonTest : public UiTest {
protected:
  void SetUp() override {
    m_previousDir = fs::current_path();
    m_dir = brevimo::test::MakeTempDir("brevimo_peregon_");
    fs::current_path(m_dir);
    UiTest::SetUp();
    ShowPage("CPP_Peregon");
  }
  void TearDown() override {
    UiTest::TearDown();
    fs::current_path(m_previousDir);
    fs::remove_all(m_dir);
  }

  fs::path ResultsFile() const { return m_dir / fs::u8path(brevimo::DistillationFile::kName); }

  std::string ReadResults() const { return ReadResults(m_dir); }
  static std::string ReadResults(const fs::path& dir,
                                 const char* name = brevimo::DistillationFile::kName) {
    std::ifstream in(dir / fs::u8path(name), std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
  }

  static std::size_t Entries(const fs::path& dir) {
    return static_cast<std::size_t>(
        std::distance(fs::directory_iterator(dir), fs::directory_iterator()));
  }

  // The message of a results file that could not be written in dir.
  QString FileMessage(const QString& reason, const fs::path& dir = {}) const {
    const fs::path file =
        (dir.empty() ? m_dir : dir) / fs::u8path(brevimo::DistillationFile::kName);
    return brevimo::WriteFailureMessage(QString::fromStdString(file.string()), reason);
  }

  void Choose(int combo, int index) {
    auto* box = Control<QComboBox>(combo);
    ASSERT_NE(box, nullptr);
    box->setCurrentIndex(index);
  }

  void SetFile(bool on) { SetChecked(kFile, on); }

  void ExpectResults(const char* outVol, const char* outVolCon, const char* volBak) {
    EXPECT_EQ(Text(kOutVol), U(outVol));
    EXPECT_EQ(Text(kOutVolCon), U(outVolCon));
    EXPECT_EQ(Text(kVolBak), U(volBak));
  }

  // Leaves the page and comes back: a read, then a refresh.
  void Revisit() {
    ShowPage("CPP_CalkTkip");
    ShowPage("CPP_Peregon");
  }

  bool ChartEnabled() { return Control(kChart) && Control(kChart)->isEnabled(); }

  // Opens the chart window with "График"; the rows its table shows.
  int ChartRows() {
    Click(kChart);
    CRunChart* chart = Sheet().RunChart();
    if (!chart || !chart->isVisible()) return -1;
    return chart->Model()->rowCount();
  }

  fs::path m_dir, m_previousDir;
};

TEST_F(PeregonTest, OpensOnTheDefaultsWithStrengthsBesideTheTemperatures) {
  EXPECT_EQ(Tabs()->tabText(Tabs()->indexOf(Page())), U("Перегонка"));
  EXPECT_EQ(Tabs()->indexOf(Page()), 8); // the ninth tab, before the run plan
  EXPECT_EQ(Text(kStart), "92.5");
  EXPECT_EQ(Text(kEnd), "98");
  EXPECT_EQ(Text(kWash), "1");
  EXPECT_EQ(Text(kStartKind), U("Темпер."));
  EXPECT_EQ(Text(kEndKind), U("Темпер."));
  EXPECT_EQ(Text(kAltStartLabel), U("Об%"));
  EXPECT_EQ(Text(kAltEndLabel), U("Об%"));
  EXPECT_EQ(Text(kAltStart), "10.16");
  EXPECT_EQ(Text(kAltEnd), "2.13");
  ExpectResults("0.0000", "0.0000", "0.0000");
  EXPECT_FALSE(Checked(kFile));

  auto* kinds = Control<QComboBox>(kStartKind);
  ASSERT_EQ(kinds->count(), 2);
  EXPECT_EQ(kinds->itemText(0), U("Темпер."));
  EXPECT_EQ(kinds->itemText(1), U("Об. %"));
  EXPECT_FALSE(kinds->isEditable());
  EXPECT_TRUE(Control<QLineEdit>(kAltStart)->isReadOnly());
  EXPECT_TRUE(Control<QLineEdit>(kOutVol)->isReadOnly());
  EXPECT_FALSE(Sheet().m_Peregon.OnApply());
  // the boiling page object is used without its window ever being made
  EXPECT_EQ(Sheet().m_Peregon.m_pBoilingPage, &Sheet().m_CalkTkip);
  EXPECT_FALSE(Sheet().m_CalkTkip.IsCreated());
}

TEST_F(PeregonTest, WorkedRunOnTheDefaults) {
  Click(kRun);
  EXPECT_TRUE(NoMessage());
  ExpectResults("0.2087", "40.6487", "0.7908");
  EXPECT_EQ(Text(kStart), "92.5");
  EXPECT_EQ(Text(kAltStart), "10.16");
  EXPECT_FALSE(fs::exists(ResultsFile())); // "Файл" not ticked
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  EXPECT_FALSE(Sheet().m_CalkTkip.IsCreated());
}

TEST_F(PeregonTest, WorkedRunBetweenStrengthsShowsTemperaturesBeside) {
  Choose(kStartKind, 1);
  Choose(kEndKind, 1);
  Type(kStart, "10");
  Type(kEnd, "2");
  Type(kWash, "20");
  // no handler on the lists: labels change at the next refresh only
  EXPECT_EQ(Text(kAltStartLabel), U("Об%"));
  Click(kRun);
  EXPECT_TRUE(NoMessage());
  ExpectResults("4.2361", "39.8368", "15.7519");
  EXPECT_EQ(Text(kAltStartLabel), U("Темпер."));
  EXPECT_EQ(Text(kAltEndLabel), U("Темпер."));
  EXPECT_EQ(Text(kAltStart), "92.59"); // 10 % vol boils at 92.59 °C
  EXPECT_EQ(Text(kAltEnd), "98.11");
  EXPECT_EQ(Text(kWash), "20");
}

TEST_F(PeregonTest, KindChangeShowsAtTheNextRefresh) {
  Choose(kStartKind, 1); // 92.5 now reads as % vol
  EXPECT_EQ(Text(kAltStartLabel), U("Об%"));
  EXPECT_EQ(Text(kAltStart), "10.16");
  Revisit();
  EXPECT_EQ(Text(kStartKind), U("Об. %"));
  EXPECT_EQ(Text(kAltStartLabel), U("Темпер."));
  EXPECT_EQ(Text(kAltStart), "78.60"); // the boiling temperature of 92.5 % vol
  EXPECT_EQ(Text(kAltEndLabel), U("Об%"));
  EXPECT_TRUE(NoMessage());
}

// Not run under Wine (cmake/Windows.cmake): the results file is written in
// text mode, so on Windows its lines end in CR LF, as Windows text files do;
// the bytes expected here are LF-terminated.
TEST_F(PeregonTest, FileHoldsTheRunByteForByteAndIsReplacedByTheNextRun) {
  SetFile(true);
  Click(kRun);
  EXPECT_TRUE(NoMessage());
  const std::string first = ReadResults();
  ASSERT_EQ(first.rfind(kHeader, 0), 0u);
  EXPECT_EQ(std::count(first.begin(), first.end(), '\n'), 1 + 224);
  const std::size_t row1 = first.find('\n') + 1;
  EXPECT_EQ(first.substr(row1, first.find('\n', row1) + 1 - row1),
            "92.53\t10.11\t0.9989\t55.79\t0.0011\t55.79\n");
  const std::size_t last = first.rfind('\n', first.size() - 2) + 1;
  EXPECT_EQ(first.substr(last), "98.00\t2.12\t0.7908\t20.90\t0.2087\t40.65\n");

  Type(kEnd, "95");
  Click(kRun);
  const std::string second = ReadResults();
  ASSERT_EQ(second.rfind(kHeader, 0), 0u);
  EXPECT_LT(std::count(second.begin(), second.end(), '\n'), 1 + 224);
  EXPECT_EQ(second.find("0.7908\t20.90"), std::string::npos);

  // A failed run leaves the header alone.
  Type(kEnd, "92.5");
  Click(kRun);
  EXPECT_EQ(TakeMessage(), U("Ошибка, стартовая концентрация  ниже или равна стоповой"));
  EXPECT_EQ(ReadResults(), kHeader);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(PeregonTest, ChartButtonShowsTheLastSuccessfulRun) {
  EXPECT_EQ(Text(kChart), U("График"));
  EXPECT_FALSE(ChartEnabled()); // no run yet
  Type(kEnd, "92.5");
  Click(kRun);
  EXPECT_EQ(TakeMessage(), U("Ошибка, стартовая концентрация  ниже или равна стоповой"));
  EXPECT_FALSE(ChartEnabled()); // a refused first run
  EXPECT_EQ(Sheet().RunChart(), nullptr);

  Type(kEnd, "98");
  Click(kRun);
  EXPECT_TRUE(ChartEnabled());
  EXPECT_EQ(ChartRows(), 224);
  CRunChart* chart = Sheet().RunChart();
  EXPECT_EQ(chart->objectName(), "CRunChart");
  EXPECT_TRUE(chart->isWindow());
  EXPECT_FALSE(chart->isModal());

  // A failed second run keeps the first run's chart.
  Type(kWash, "-1");
  Click(kRun);
  EXPECT_EQ(TakeMessage(), U("Ошибка, объем браги должен быть больше 0"));
  EXPECT_TRUE(ChartEnabled());
  EXPECT_EQ(chart->Model()->rowCount(), 224);
  EXPECT_EQ(ChartRows(), 224);
  EXPECT_EQ(chart->Run()->result.steps, 224);

  // A successful one shows in the open window at once; closed, it is shown
  // again by the button.
  Type(kWash, "1");
  Type(kEnd, "95");
  Click(kRun);
  const int shorter = chart->Model()->rowCount();
  EXPECT_LT(shorter, 224);
  chart->close();
  Type(kEnd, "98");
  Click(kRun);
  EXPECT_EQ(chart->Model()->rowCount(), shorter); // closed: not refreshed
  EXPECT_EQ(ChartRows(), 224);
  EXPECT_EQ(Sheet().RunChart(), chart); // one window
}

// Not run under Wine (cmake/Windows.cmake): the results file is written in
// text mode, so on Windows its lines end in CR LF, as Windows text files do;
// the bytes expected here are LF-terminated.
TEST_F(PeregonTest, ChartExportsHoldTheResultsFilesValues) {
  SetFile(true);
  Click(kRun);
  ASSERT_EQ(ChartRows(), 224);
  CRunChart* chart = Sheet().RunChart();
  std::string expected = ReadResults();
  // The copied table is the results file; the CSV is it with commas.
  QApplication::clipboard()->clear();
  auto* copy = chart->findChild<QPushButton*>(QString::number(CRunChart::IDC_COPY));
  ASSERT_NE(copy, nullptr);
  QTest::mouseClick(copy, Qt::LeftButton);
  EXPECT_EQ(QApplication::clipboard()->text().toStdString(), expected);
  std::replace(expected.begin(), expected.end(), '\t', ',');
  ASSERT_TRUE(chart->SaveCsv(QString::fromStdString((m_dir / "run.csv").string())));
  std::ifstream csv(m_dir / "run.csv", std::ios::binary);
  const std::string saved((std::istreambuf_iterator<char>(csv)), {});
  EXPECT_EQ(std::count(saved.begin(), saved.end(), '\n'), 225);
  EXPECT_EQ(saved, expected);
  // for Excel under a decimal comma: ";" between the values, "92,5" for 92.5
  std::string excel = expected;
  for (char& c : excel)
    c = c == ',' ? ';' : c == '.' ? ',' : c;
  ASSERT_TRUE(chart->SaveExcelCsv(QString::fromStdString((m_dir / "excel.csv").string())));
  EXPECT_EQ(ReadResults(m_dir, "excel.csv"), excel);
  EXPECT_EQ(excel.substr(0, excel.find('\n')), "TKipBak;VConBak;VolBak;ParVolCon;OutVol;OutVolCon");

  ASSERT_TRUE(chart->SavePng(QString::fromStdString((m_dir / "run.png").string())));
  EXPECT_FALSE(QImage(QString::fromStdString((m_dir / "run.png").string())).isNull());
  ASSERT_TRUE(chart->SaveSvg(QString::fromStdString((m_dir / "run.svg").string())));
  std::ifstream svg(m_dir / "run.svg");
  const std::string drawing((std::istreambuf_iterator<char>(svg)), {});
  EXPECT_NE(drawing.find("<svg"), std::string::npos);
  EXPECT_NE(drawing.find("</svg>"), std::string::npos);
  // an unwritable place is reported
  EXPECT_FALSE(chart->SaveCsv(QString::fromStdString((m_dir / "none" / "run.csv").string())));
  EXPECT_TRUE(TakeMessage().startsWith(U("Не удалось записать файл")));
}

// Each export on a full disk fails with its message, and leaves a file it
// was to replace as it was.
TEST_F(PeregonTest, ChartExportsOnAFullDiskSaySoAndKeepTheOldFile) {
  SmallDisk disk(m_dir / "disk", 1024);
  if (!disk.Mounted()) GTEST_SKIP() << disk.Why();
  Click(kRun);
  ASSERT_EQ(ChartRows(), 224);
  CRunChart* chart = Sheet().RunChart();
  const struct {
    const char* name;
    bool (CRunChart::*save)(const QString&);
  } exports[] = {{"run.csv", &CRunChart::SaveCsv},
                 {"run.png", &CRunChart::SavePng},
                 {"run.svg", &CRunChart::SaveSvg}};
  for (const auto& e : exports)
    ASSERT_TRUE((chart->*e.save)(QString::fromStdString((disk.Path() / e.name).string())));
  ASSERT_TRUE(NoMessage());
  std::map<std::string, std::string> old;
  for (const auto& e : exports)
    old[e.name] = ReadResults(disk.Path(), e.name);
  Type(kWash, "2");
  Click(kRun); // another table and chart
  ASSERT_TRUE(disk.Fill());
  for (const auto& e : exports) {
    const QString path = QString::fromStdString((disk.Path() / e.name).string());
    EXPECT_FALSE((chart->*e.save)(path)) << e.name;
    EXPECT_EQ(TakeMessage(), brevimo::WriteFailureMessage(path, U("на диске нет места"))) << e.name;
    EXPECT_TRUE(ReadResults(disk.Path(), e.name) == old[e.name]) << e.name;
  }
  EXPECT_EQ(Entries(disk.Path()), 4u); // the three and the filler
}

TEST_F(PeregonTest, UncreatableFileIsReportedAndTheRunStillShows) {
  // A directory of the file's name, with something in it, cannot be replaced.
  fs::create_directory(ResultsFile());
  std::ofstream(ResultsFile() / "keep") << "x";
  SetFile(true);
  Click(kRun);
  EXPECT_EQ(TakeMessage(), FileMessage(U("под этим именем есть папка")));
  ExpectResults("0.2087", "40.6487", "0.7908");
  EXPECT_TRUE(fs::is_directory(ResultsFile()));
  EXPECT_EQ(Entries(m_dir), 1u); // no temporary file left
}

// On a full disk: the previous file stays whole, the new one's remains go,
// a message says so, and the run's results show. Once there is room the
// next run writes the file.
TEST_F(PeregonTest, FullDiskKeepsThePreviousFileAndSaysSo) {
  SmallDisk disk(m_dir / "disk");
  if (!disk.Mounted()) GTEST_SKIP() << disk.Why();
  fs::current_path(disk.Path());
  SetFile(true);
  Click(kRun);
  ASSERT_TRUE(NoMessage());
  const std::string previous = ReadResults(disk.Path());
  ASSERT_EQ(std::count(previous.begin(), previous.end(), '\n'), 1 + 224);

  Type(kWash, "2");
  for (const std::size_t room : {std::size_t{0}, std::size_t{4096}}) { // nothing, or half the file
    ASSERT_TRUE(disk.Fill(room));
    Click(kRun);
    EXPECT_EQ(TakeMessage(), FileMessage(U("на диске нет места"), disk.Path())) << room;
    EXPECT_EQ(Text(kOutVol), "0.4175"); // the new run's results
    EXPECT_TRUE(ReadResults(disk.Path()) == previous) << room;
    EXPECT_EQ(Entries(disk.Path()), 2u) << room; // the file and the filler
    disk.Free();
  }
  const QString shown = Text(kOutVol);
  fs::remove(disk.Path() / fs::u8path(brevimo::DistillationFile::kName));
  ASSERT_TRUE(disk.Fill());
  Click(kRun);
  EXPECT_EQ(TakeMessage(), FileMessage(U("на диске нет места"), disk.Path()));
  EXPECT_EQ(Entries(disk.Path()), 1u); // no empty file left
  disk.Free();
  Click(kRun);
  EXPECT_TRUE(NoMessage());
  EXPECT_EQ(Text(kOutVol), shown);
  const std::string written = ReadResults(disk.Path());
  EXPECT_EQ(written.rfind(kHeader, 0), 0u);
  EXPECT_EQ(std::count(written.begin(), written.end(), '\n'), 1 + 224);
  EXPECT_NE(written.find("\t0.4175\t"), std::string::npos);
  fs::current_path(m_dir);
}

// A link of the file's name is replaced by the file, never written through;
// where the folder cannot be written, nothing is written at all.
// Not run under Wine (cmake/Windows.cmake): Wine makes no symbolic links
// (create_symlink fails with "Function not implemented"), and a folder's
// read-only attribute does not stop writes on Windows; to be tried on a real
// Windows with developer mode, where links can be made.
TEST_F(PeregonTest, ResultsFileNeverWritesThroughALink) {
  const fs::path target = m_dir / "target.txt";
  std::ofstream(target) << "mine\n";
  fs::create_symlink(target, ResultsFile());
  SetFile(true);
  Click(kRun);
  EXPECT_TRUE(NoMessage());
  EXPECT_FALSE(fs::is_symlink(ResultsFile()));
  EXPECT_EQ(ReadResults().rfind(kHeader, 0), 0u);
  EXPECT_EQ(ReadResults(m_dir, "target.txt"), "mine\n");

  // A folder that cannot be written, with a link of the file's name in it:
  // a read-only disk as root (who may write anywhere else), else a folder
  // without write permission.
  SmallDisk disk(m_dir / "locked");
  const fs::path locked = disk.Path();
  const fs::path link = locked / fs::u8path(brevimo::DistillationFile::kName);
  QString reason = U("нет прав на запись в папку");
  if (disk.Mounted()) {
    fs::create_symlink(target, link);
    ASSERT_TRUE(disk.MakeReadOnly());
    reason = U("диск защищен от записи");
  } else {
    fs::create_symlink(target, link);
    fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec);
  }
  fs::current_path(locked);
  Click(kRun);
  EXPECT_EQ(TakeMessage(), FileMessage(reason, locked));
  ExpectResults("0.2087", "40.6487", "0.7908");
  EXPECT_EQ(ReadResults(m_dir, "target.txt"), "mine\n");
  EXPECT_TRUE(fs::is_symlink(link));
  fs::current_path(m_dir);
  if (!disk.Mounted()) fs::permissions(locked, fs::perms::owner_all);
}

TEST_F(PeregonTest, FailuresShowTheirMessageAndLeaveTheFields) {
  struct Case {
    int startKind;
    const char* start;
    int endKind;
    const char* end;
    const char* wash;
    const char* message;
  };
  const Case cases[] = {
      {0, "92.5", 0, "92.5", "1", "Ошибка, стартовая концентрация  ниже или равна стоповой"},
      {0, "99", 0, "92.5", "1", "Ошибка, стартовая концентрация  ниже или равна стоповой"},
      {0, "100", 0, "98", "1", ">=100*C"},   // the boiling page's text
      {0, "92.5", 0, "70", "1", "<78.15*C"}, // an end below the azeotrope
      {1, "97.5", 1, "2", "1", ">97.17%"},   // stronger than the azeotrope, in % vol
      {1, "101", 1, "2", "1", "Ошибка в параметрах. Концентрация 0..100 (%)"},
      {0, "92.5", 0, "98", "0", "Ошибка, объем браги должен быть больше 0"},
      {0, "92.5", 0, "98", "-1", "Ошибка, объем браги должен быть больше 0"},
      {0, "92.5", 1, "0", "1", "Ошибка, стоповая концентрация должна быть больше 0"},
      {0, "78.15", 0, "98", "1",
       "Ошибка, крепость в кубе больше не снижается: стоповая концентрация недостижима"},
  };
  for (const Case& c : cases) {
    Choose(kStartKind, c.startKind);
    Choose(kEndKind, c.endKind);
    Type(kStart, U(c.start));
    Type(kEnd, U(c.end));
    Type(kWash, U(c.wash));
    Click(kRun);
    EXPECT_EQ(TakeMessage(), U(c.message)) << c.start << " " << c.end << " " << c.wash;
    EXPECT_TRUE(NoMessage());
    EXPECT_EQ(Text(kStart), U(c.start));
    EXPECT_EQ(Text(kWash), U(c.wash));
    ExpectResults("0.0000", "0.0000", "0.0000");
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  }
  // The boiling failures are the boiling page's own text.
  EXPECT_EQ(Sheet().m_CalkTkip.ErrText, ">95.57%%");
  EXPECT_FALSE(Sheet().m_CalkTkip.IsCreated());
}

TEST_F(PeregonTest, NumbersAreBoundStrictly) {
  for (int field : {kStart, kEnd, kWash}) {
    for (const char* bad : {"", ".0", "-0", "abc", "9 2", "92.5x"}) {
      const QString before = Text(field);
      Type(field, U(bad));
      Click(kRun);
      EXPECT_EQ(TakeMessage(), U(kEnterNumber)) << field << " '" << bad << "'";
      EXPECT_EQ(Sheet().focusWidget(), Control(field)) << field;
      ExpectResults("0.0000", "0.0000", "0.0000");
      Type(field, before);
    }
  }
  // blanks around a number, a comma, a zero written with its 0
  Type(kStart, " 92,5\t");
  Type(kEnd, "98.0 ");
  Click(kRun);
  EXPECT_TRUE(NoMessage());
  ExpectResults("0.2087", "40.6487", "0.7908");
  EXPECT_EQ(Text(kStart), "92.5");
  EXPECT_EQ(Text(kEnd), "98");
  Type(kWash, "0.0");
  Click(kRun);
  EXPECT_EQ(TakeMessage(), U("Ошибка, объем браги должен быть больше 0"));
}

TEST_F(PeregonTest, TheTabCannotBeLeftWithANonNumber) {
  Type(kWash, "");
  ShowPage("CPP_CalkTkip");
  EXPECT_EQ(TakeMessage(), U(kEnterNumber));
  EXPECT_EQ(Tabs()->currentWidget()->objectName(), "CPP_Peregon");
}

TEST_F(PeregonTest, ParametersErrorOncePerRefreshWhileAnAlternativeFails) {
  Type(kStart, "100"); // no liquid boils at 100 °C
  Type(kEnd, "101");
  Revisit();
  EXPECT_EQ(TakeMessage(), "Parameters Error");
  EXPECT_TRUE(NoMessage());            // once for both
  EXPECT_EQ(Text(kAltStart), "10.16"); // the failed alternatives keep their text
  EXPECT_EQ(Text(kAltEnd), "2.13");
  EXPECT_EQ(Text(kStart), "100");
  Revisit();
  EXPECT_EQ(TakeMessage(), "Parameters Error");

  // one good, one failing: the good one is updated
  Type(kStart, "90");
  Revisit();
  EXPECT_EQ(TakeMessage(), "Parameters Error");
  EXPECT_EQ(Text(kAltStart), "15.65");
  EXPECT_EQ(Text(kAltEnd), "2.13");

  // a strength the boiling model has no temperature for
  Type(kEnd, "98");
  Choose(kStartKind, 1);
  Type(kStart, "0");
  Revisit();
  EXPECT_EQ(TakeMessage(), "Parameters Error");
  EXPECT_EQ(Text(kAltStartLabel), U("Темпер."));
  EXPECT_EQ(Text(kAltStart), "15.65");
  EXPECT_EQ(Text(kAltEnd), "2.13");
}

} // namespace
