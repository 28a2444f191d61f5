// kolibra-cli fit as scripts run it: the real program, its streams and its exit status, on
// files written from known equations.
#include "support/RunProgram.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cmath>

namespace fit_cli_test {

using TResult = kolibra::testing::TProgramRun;

TResult RunCli(const QStringList &arguments) {
  // A locale with a decimal comma must not change what is read or printed.
  return kolibra::testing::RunProgram(QStringLiteral(KOLIBRA_CLI), QStringList{QStringLiteral("fit")} + arguments,
                                      [](QProcessEnvironment &environment) {
                                        environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("fr_FR.UTF-8"));
                                      });
}

QString Write(const QTemporaryDir &dir, const QString &name, const QByteArray &text) {
  const QString path = dir.filePath(name);
  QFile file(path);
  if (file.open(QIODevice::WriteOnly)) file.write(text);
  return path;
}

// A line, then from t = 2 on a steep climb the sub-range leaves out.
QByteArray LineThenClimb() {
  QByteArray text = "t\tx\n";
  for (int i = 0; i <= 40; ++i) {
    const double t = i * 0.1;
    const double y = i <= 20 ? 1.5 - 0.75 * t : 40.0 * t;
    text += QByteArray::number(t, 'g', 17) + '\t' + QByteArray::number(y, 'g', 17) + '\n';
  }
  return text;
}

}  // namespace fit_cli_test

using namespace fit_cli_test;

TEST(FitCli, PrintsParametersErrorsChi2AndStatistics) {
  QTemporaryDir dir;
  const QString data = Write(dir, QStringLiteral("line.tsv"), LineThenClimb());
  const TResult result = RunCli({QStringLiteral("affine"), data, QStringLiteral("--to"), QStringLiteral("2.05")});
  ASSERT_EQ(result.Status, 0) << result.Err.toStdString();
  EXPECT_TRUE(result.Err.isEmpty());
  const QStringList lines = result.Out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 6);
  const QStringList names = {QStringLiteral("r"), QStringLiteral("b"), QStringLiteral("chi2"),
                             QStringLiteral("relative precision"), QStringLiteral("average quadratic variation"),
                             QStringLiteral("correlation coefficient")};
  for (int i = 0; i < lines.size(); ++i) {
    const QStringList fields = lines[i].split(QLatin1Char('\t'));
    EXPECT_EQ(fields.value(0), names[i]);
    EXPECT_EQ(fields.size(), i < 2 ? 3 : 2) << lines[i].toStdString();
    for (int f = 1; f < fields.size(); ++f) EXPECT_FALSE(fields[f].contains(QLatin1Char(','))) << lines[i].toStdString();
  }
  EXPECT_NEAR(lines[0].split(QLatin1Char('\t'))[1].toDouble(), 1.5, 1e-12);
  EXPECT_NEAR(lines[1].split(QLatin1Char('\t'))[1].toDouble(), -0.75, 1e-12);
  EXPECT_LT(lines[2].split(QLatin1Char('\t'))[1].toDouble(), 1e-20);
  EXPECT_NEAR(lines[5].split(QLatin1Char('\t'))[1].toDouble(), 1.0, 1e-12);

  // Without the sub-range the climb spoils the line.
  const TResult whole = RunCli({QStringLiteral("affine"), data});
  ASSERT_EQ(whole.Status, 0);
  EXPECT_GT(whole.Out.split(QLatin1Char('\n'))[2].split(QLatin1Char('\t'))[1].toDouble(), 100.0);
}

TEST(FitCli, FitsASineWithItsFiveLines) {
  QTemporaryDir dir;
  QByteArray text;
  for (int i = 0; i < 120; ++i) {
    const double t = i * 0.05;
    text += QByteArray::number(t, 'g', 17) + '\t' + QByteArray::number(0.2 + 0.8 * std::sin(3.0 * t + 1.0), 'g', 17) + '\n';
  }
  const TResult result = RunCli({QStringLiteral("sine"), Write(dir, QStringLiteral("sine.tsv"), text)});
  ASSERT_EQ(result.Status, 0) << result.Err.toStdString();
  const QStringList lines = result.Out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 7);  // r, b, c, d, chi2, two statistics
  EXPECT_NEAR(lines[1].split(QLatin1Char('\t'))[1].toDouble(), 0.8, 1e-3);
  EXPECT_NEAR(lines[2].split(QLatin1Char('\t'))[1].toDouble(), 3.0, 1e-3);
  EXPECT_TRUE(lines[3].startsWith(QStringLiteral("d\t")));
}

TEST(FitCli, RefusesBadInputWithAReason) {
  QTemporaryDir dir;
  const QString good = Write(dir, QStringLiteral("good.tsv"), "0\t1\n1\t2\n2\t3\n3\t5\n");
  struct TCase {
    const char *Name;
    QStringList Arguments;
    const char *ErrContains;
  };
  const TCase cases[] = {
      {"unknown model", {QStringLiteral("cubic"), good}, "Unknown model: cubic"},
      {"missing file", {QStringLiteral("affine"), dir.filePath(QStringLiteral("none.tsv"))}, "Cannot read"},
      {"decimal comma",
       {QStringLiteral("affine"), Write(dir, QStringLiteral("comma.tsv"), "t\ty\n0\t1\n0,5\t2\n")},
       "line 3"},
      {"three columns", {QStringLiteral("affine"), Write(dir, QStringLiteral("three.tsv"), "0\t1\t2\n1\t2\t3\n")}, "line 2"},
      {"no sample", {QStringLiteral("affine"), Write(dir, QStringLiteral("empty.tsv"), "# nothing\n\n")}, "no sample"},
      {"too few samples", {QStringLiteral("parabola"), good, QStringLiteral("--to"), QStringLiteral("2")}, "Too few samples"},
      {"bad bound", {QStringLiteral("affine"), good, QStringLiteral("--from"), QStringLiteral("x")}, "--from"},
      {"no data argument", {QStringLiteral("affine")}, "Usage: kolibra-cli fit"},
  };
  for (const TCase &c : cases) {
    SCOPED_TRACE(c.Name);
    const TResult result = RunCli(c.Arguments);
    EXPECT_EQ(result.Status, 1);
    EXPECT_TRUE(result.Out.isEmpty()) << result.Out.toStdString();
    EXPECT_TRUE(result.Err.contains(QLatin1String(c.ErrContains))) << result.Err.toStdString();
  }
}
