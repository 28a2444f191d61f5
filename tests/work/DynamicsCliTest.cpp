// The dynamics for other programs: kolibra-cli results in CSV and JSON with masses given on
// the command line or kept in the work file, and kolibra-cli export to .csv, .json and
// .ipynb, on "Parabole" marked where the ball truly is (a free fall under g = 9.81 m/s²,
// 200 px/m). Each form is read back by a strict reader: an RFC 4180 parser written here, Qt's
// JSON parser, and Python for the notebook when pandas and matplotlib are installed.

#include "editing/ParaboleCli.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QStandardPaths>

#include <algorithm>
#include <cmath>
#include <optional>

namespace kolibra::work::dynamics_cli_test {

namespace {

using editing::testing::ParaboleTruth;
using editing::testing::TTruePosition;
using kolibra::testing::TProgramRun;

constexpr double Mass = 0.2;
constexpr double G = 9.81;

class DynamicsCliTest : public editing::testing::ParaboleCliTest {
 protected:
  void SetUp() override {
    ParaboleCliTest::SetUp();
    if (IsSkipped()) return;
    // The same measurement with the ball named and weighed in the work file.
    editing::testing::THeadlessParabole work(dir.path());
    ASSERT_TRUE(work.MarkTrajectory(dir.filePath(QStringLiteral("Parabole.avi"))));
    work.Data.SetSystemName(0, QStringLiteral("ball"));
    work.Data.SetObjectMass(0, Mass);
    ASSERT_EQ(work::SaveWork(work.Context(), File("weighed.klb")), work::wsOk);
  }
  QByteArray ReadFile(const char *name) const {
    QFile file(File(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
};

// A strict RFC 4180 reader: records end with CR LF, fields are split at commas outside
// quotes, "" inside quotes is one quote; anything else (a bare LF, a quote inside an unquoted
// field, text after a closing quote, an unterminated quote) makes it give up.
std::optional<std::vector<QStringList>> ReadCsv(const QString &text) {
  std::vector<QStringList> records;
  QStringList record;
  QString field;
  bool quoted = false, wasQuoted = false;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (quoted) {
      if (c == QLatin1Char('"')) {
        if (i + 1 < text.size() && text[i + 1] == QLatin1Char('"')) {
          field += c;
          ++i;
        } else {
          quoted = false;
          wasQuoted = true;
        }
      } else {
        field += c;
      }
      continue;
    }
    if (c == QLatin1Char('"')) {
      if (!field.isEmpty() || wasQuoted) return std::nullopt;
      quoted = true;
    } else if (c == QLatin1Char(',')) {
      record << field;
      field.clear();
      wasQuoted = false;
    } else if (c == QLatin1Char('\r')) {
      if (i + 1 >= text.size() || text[i + 1] != QLatin1Char('\n')) return std::nullopt;
      record << field;
      records.push_back(record);
      record.clear();
      field.clear();
      wasQuoted = false;
      ++i;
    } else if (c == QLatin1Char('\n') || wasQuoted) {
      return std::nullopt;
    } else {
      field += c;
    }
  }
  if (quoted || !field.isEmpty() || !record.isEmpty()) return std::nullopt;
  return records;
}

std::optional<double> Number(const QString &text) {
  if (text.isEmpty()) return std::nullopt;
  bool ok = false;
  const double value = QLocale::c().toDouble(text, &ok);
  EXPECT_TRUE(ok) << text.toStdString();
  return value;
}

// The energies of the ball checked against the truth that drew the video: Ep = m g y at
// every sample, Em = Ek + Ep, and Em constant within 0.1 % of Ek's range.
void ExpectFreeFall(const std::vector<std::optional<double>> &y, const std::vector<std::optional<double>> &ek,
                    const std::vector<std::optional<double>> &ep, const std::vector<std::optional<double>> &em) {
  const std::vector<TTruePosition> truth = ParaboleTruth();
  ASSERT_EQ(y.size(), truth.size());
  double ekLow = 1e100, ekHigh = -1e100, emLow = 1e100, emHigh = -1e100;
  int defined = 0;
  for (size_t k = 0; k < truth.size(); ++k) {
    SCOPED_TRACE(k);
    ASSERT_TRUE(y[k] && ep[k]);
    EXPECT_NEAR(*y[k], truth[k].YMetres, 1e-9);
    EXPECT_NEAR(*ep[k], Mass * G * truth[k].YMetres, 1e-9);
    if (!ek[k]) continue;  // a hidden edge
    ASSERT_TRUE(em[k]);
    EXPECT_NEAR(*em[k], *ek[k] + *ep[k], 1e-12);
    ekLow = std::min(ekLow, *ek[k]);
    ekHigh = std::max(ekHigh, *ek[k]);
    emLow = std::min(emLow, *em[k]);
    emHigh = std::max(emHigh, *em[k]);
    ++defined;
  }
  EXPECT_GE(defined, int(truth.size()) - 2);
  EXPECT_GT(ekHigh - ekLow, 0.1);
  EXPECT_LE(emHigh - emLow, 0.001 * (ekHigh - ekLow)) << "Em from " << emLow << " to " << emHigh;
}

// A CSV table's column of symbol, by its header "symbol [unit]".
std::vector<std::optional<double>> CsvColumn(const std::vector<QStringList> &records, const QString &header) {
  std::vector<std::optional<double>> values;
  const qsizetype c = records.front().indexOf(header);
  EXPECT_GE(c, 0) << header.toStdString();
  if (c < 0) return values;
  for (size_t r = 1; r < records.size(); ++r) values.push_back(Number(records[r].value(int(c))));
  return values;
}

void ExpectCsvFreeFall(const QString &text) {
  const auto records = ReadCsv(text);
  ASSERT_TRUE(records.has_value()) << "not RFC 4180";
  ASSERT_EQ(records->size(), 1 + ParaboleTruth().size());
  const QStringList &header = records->front();
  EXPECT_EQ(header.mid(0, 4), (QStringList{QStringLiteral("t [s]"), QStringLiteral("x [m]"), QStringLiteral("y [m]"),
                                           QStringLiteral("vx [m/s]")}));
  EXPECT_EQ(header.mid(header.size() - 6),
            (QStringList{QStringLiteral("px [kg·m/s]"), QStringLiteral("py [kg·m/s]"), QStringLiteral("p [kg·m/s]"),
                         QStringLiteral("Ek [J]"), QStringLiteral("Ep [J]"), QStringLiteral("Em [J]")}));
  for (const QStringList &record : *records) EXPECT_EQ(record.size(), header.size());
  ExpectFreeFall(CsvColumn(*records, QStringLiteral("y [m]")), CsvColumn(*records, QStringLiteral("Ek [J]")),
                 CsvColumn(*records, QStringLiteral("Ep [J]")), CsvColumn(*records, QStringLiteral("Em [J]")));
}

TEST_F(DynamicsCliTest, ResultsInCsvWithAMassGivenForTheRun) {
  const TProgramRun run = Run({QStringLiteral("results"), File("throw.klb"), QStringLiteral("--format"),
                               QStringLiteral("csv"), QStringLiteral("--mass"), QStringLiteral("1=0.2")});
  ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
  EXPECT_TRUE(run.Err.isEmpty()) << run.Err.toStdString();
  ExpectCsvFreeFall(run.Out);
  // The same from the mass the work file keeps, and its name.
  const TProgramRun kept = Run({QStringLiteral("results"), File("weighed.klb"), QStringLiteral("--format=csv")});
  ASSERT_EQ(kept.Status, 0) << kept.Err.toStdString();
  EXPECT_EQ(kept.Out, run.Out);
  // A mass on the command line wins over the file's.
  const TProgramRun heavier = Run({QStringLiteral("results"), File("weighed.klb"), QStringLiteral("--format=csv"),
                                   QStringLiteral("--mass"), QStringLiteral("ball=0.4")});
  ASSERT_EQ(heavier.Status, 0) << heavier.Err.toStdString();
  const auto records = ReadCsv(heavier.Out);
  ASSERT_TRUE(records.has_value());
  const auto ep = CsvColumn(*records, QStringLiteral("Ep [J]"));
  EXPECT_NEAR(*ep[3], 0.4 * G * ParaboleTruth()[3].YMetres, 1e-9);
}

TEST_F(DynamicsCliTest, ResultsInJsonNameEveryColumnAndObject) {
  const TProgramRun run =
      Run({QStringLiteral("results"), File("weighed.klb"), QStringLiteral("--format"), QStringLiteral("json")});
  ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
  QJsonParseError error;
  const QJsonDocument document = QJsonDocument::fromJson(run.Out.toUtf8(), &error);
  ASSERT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
  const QJsonObject root = document.object();
  EXPECT_EQ(root.value(QStringLiteral("video")).toString(), QStringLiteral("Parabole.avi"));
  EXPECT_NEAR(root.value(QStringLiteral("interval")).toDouble(), ParaboleTruth()[1].T - ParaboleTruth()[0].T, 1e-9);
  const QJsonArray objects = root.value(QStringLiteral("objects")).toArray();
  ASSERT_EQ(objects.size(), 1);
  EXPECT_EQ(objects[0].toObject().value(QStringLiteral("name")).toString(), QStringLiteral("ball"));
  EXPECT_DOUBLE_EQ(objects[0].toObject().value(QStringLiteral("mass")).toDouble(), Mass);
  const QJsonArray columns = root.value(QStringLiteral("columns")).toArray();
  ASSERT_EQ(columns.size(), 1 + 11 + 6);
  const QJsonObject time = columns[0].toObject();
  EXPECT_EQ(time.value(QStringLiteral("symbol")).toString(), QStringLiteral("t"));
  EXPECT_EQ(time.value(QStringLiteral("unit")).toString(), QStringLiteral("s"));
  EXPECT_TRUE(time.value(QStringLiteral("object")).isNull());
  int y = -1, ek = -1, ep = -1, em = -1;
  for (int c = 0; c < columns.size(); ++c) {
    const QJsonObject column = columns[c].toObject();
    const QString symbol = column.value(QStringLiteral("symbol")).toString();
    if (c > 0) EXPECT_EQ(column.value(QStringLiteral("object")).toString(), QStringLiteral("ball")) << c;
    if (symbol == QLatin1String("y")) y = c;
    if (symbol == QLatin1String("Ek")) {
      ek = c;
      EXPECT_EQ(column.value(QStringLiteral("unit")).toString(), QStringLiteral("J"));
      EXPECT_EQ(column.value(QStringLiteral("name")).toString(), QStringLiteral("Kinetic energy ball"));
    }
    if (symbol == QLatin1String("Ep")) ep = c;
    if (symbol == QLatin1String("Em")) em = c;
  }
  ASSERT_TRUE(y > 0 && ek > 0 && ep > 0 && em > 0);
  const QJsonArray rows = root.value(QStringLiteral("rows")).toArray();
  std::vector<std::optional<double>> ys, eks, eps, ems;
  const auto value = [](const QJsonValue &cell) {
    EXPECT_TRUE(cell.isDouble() || cell.isNull());
    return cell.isDouble() ? std::optional(cell.toDouble()) : std::nullopt;
  };
  for (const QJsonValue &row : rows) {
    const QJsonArray cells = row.toArray();
    ASSERT_EQ(cells.size(), columns.size());
    for (const QJsonValue &cell : cells) value(cell);
    ys.push_back(value(cells[y]));
    eks.push_back(value(cells[ek]));
    eps.push_back(value(cells[ep]));
    ems.push_back(value(cells[em]));
  }
  ExpectFreeFall(ys, eks, eps, ems);
}

TEST_F(DynamicsCliTest, BadFormatsAndMassesAreRefused) {
  struct TCase {
    QStringList Arguments;
    const char *Reason;
  };
  const TCase cases[] = {
      {{QStringLiteral("--format"), QStringLiteral("xml")}, "--format must be tsv, csv or json: xml"},
      {{QStringLiteral("--mass"), QStringLiteral("ball")}, "--mass must be NAME=KG"},
      {{QStringLiteral("--mass"), QStringLiteral("ball=-1")}, "--mass must be NAME=KG"},
      {{QStringLiteral("--mass"), QStringLiteral("ball=0,2")}, "--mass must be NAME=KG"},
      {{QStringLiteral("--mass"), QStringLiteral("cart=1")}, "No object is named cart."},
  };
  for (const TCase &c : cases) {
    SCOPED_TRACE(c.Reason);
    const TProgramRun run = Run(QStringList{QStringLiteral("results"), File("weighed.klb")} + c.Arguments);
    EXPECT_EQ(run.Status, 1);
    EXPECT_TRUE(run.Out.isEmpty());
    EXPECT_TRUE(run.Err.contains(QLatin1String(c.Reason))) << run.Err.toStdString();
  }
}

TEST_F(DynamicsCliTest, ExportWritesCsvJsonAndANotebook) {
  for (const char *name : {"out.csv", "out.json", "out.ipynb"}) {
    const TProgramRun run = Run({QStringLiteral("export"), File("weighed.klb"), File(name)});
    ASSERT_EQ(run.Status, 0) << name << run.Err.toStdString();
  }
  ExpectCsvFreeFall(QString::fromUtf8(ReadFile("out.csv")));
  const TProgramRun results =
      Run({QStringLiteral("results"), File("weighed.klb"), QStringLiteral("--format"), QStringLiteral("json")});
  EXPECT_EQ(QJsonDocument::fromJson(ReadFile("out.json")), QJsonDocument::fromJson(results.Out.toUtf8()))
      << "the file and the command give the same data";

  QJsonParseError error;
  const QJsonObject notebook = QJsonDocument::fromJson(ReadFile("out.ipynb"), &error).object();
  ASSERT_EQ(error.error, QJsonParseError::NoError);
  EXPECT_EQ(notebook.value(QStringLiteral("nbformat")).toInt(), 4);
  const QJsonArray cells = notebook.value(QStringLiteral("cells")).toArray();
  ASSERT_EQ(cells.size(), 3);
  QStringList code;
  for (const QJsonValue &cell : cells) {
    if (cell.toObject().value(QStringLiteral("cell_type")).toString() != QLatin1String("code")) continue;
    QString source;
    for (const QJsonValue &line : cell.toObject().value(QStringLiteral("source")).toArray()) source += line.toString();
    code << source;
  }
  ASSERT_EQ(code.size(), 2);
  EXPECT_TRUE(code[0].contains(QStringLiteral("pd.read_csv")));
  EXPECT_TRUE(code[1].contains(QStringLiteral("matplotlib")));

  // Run as it is: both cells in order, then the loaded table checked against the truth.
  const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));
  if (python.isEmpty()) GTEST_SKIP() << "no python3";
  const QString check = QStringLiteral(
      "\nassert len(df) == %1\nassert abs(df['Ep [J]'][3] - %2) < 1e-9\nprint('ran')\n")
                            .arg(ParaboleTruth().size())
                            .arg(Mass * G * ParaboleTruth()[3].YMetres, 0, 'g', 17);
  QFile script(File("notebook.py"));
  ASSERT_TRUE(script.open(QIODevice::WriteOnly));
  script.write((code.join(QStringLiteral("\n")) + check).toUtf8());
  script.close();
  // Python without pandas still reads the cells.
  const TProgramRun compiled =
      kolibra::testing::RunProgram(python, {QStringLiteral("-m"), QStringLiteral("py_compile"), File("notebook.py")});
  EXPECT_EQ(compiled.Status, 0) << compiled.Err.toStdString();
  const TProgramRun modules =
      kolibra::testing::RunProgram(python, {QStringLiteral("-c"), QStringLiteral("import pandas, matplotlib")});
  if (modules.Status != 0) GTEST_SKIP() << "pandas and matplotlib are not installed";
  const TProgramRun ran = kolibra::testing::RunProgram(python, {File("notebook.py")}, [](QProcessEnvironment &env) {
    env.insert(QStringLiteral("MPLBACKEND"), QStringLiteral("Agg"));
  });
  EXPECT_EQ(ran.Status, 0) << ran.Err.toStdString();
  EXPECT_TRUE(ran.Out.contains(QStringLiteral("ran")));
}

}  // namespace

}  // namespace kolibra::work::dynamics_cli_test
