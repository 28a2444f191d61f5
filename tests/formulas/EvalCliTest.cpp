// kolibra-cli eval as scripts run it: the real program, its exit status and its two streams.

#include <gtest/gtest.h>
#include <QProcess>
#include <QProcessEnvironment>

namespace eval_cli_test {

struct TResult {
  int Status = -1;
  QByteArray Out;
  QByteArray Err;
};

TResult RunCli(const QStringList &arguments) {
  QProcess process;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
  process.setProcessEnvironment(environment);
  process.start(QStringLiteral(KOLIBRA_CLI), QStringList{QStringLiteral("eval")} + arguments);
  TResult result;
  if (!process.waitForFinished(30000)) return result;
  result.Status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  result.Out = process.readAllStandardOutput();
  result.Err = process.readAllStandardError();
  return result;
}

}  // namespace eval_cli_test

TEST(EvalCli, PrintsTheValueOrTheErrorWithItsStatus) {
  struct TCase {
    QStringList Arguments;
    int Status;
    const char *Out;
    const char *Err;
  };
  const TCase cases[] = {
      {{QStringLiteral("2^3^2")}, 0, "64\n", ""},
      {{QStringLiteral("-2^2")}, 0, "-4\n", ""},  // not an option: eval reads its own arguments
      {{QStringLiteral("1/3")}, 0, "0.33333333333333331\n", ""},
      {{QStringLiteral("arcsin(1)")}, 0, "90\n", ""},
      {{QStringLiteral("arcsin(1)"), QStringLiteral("--radian")}, 0, "1.5707963267948966\n", ""},
      {{QStringLiteral("1e308*10")},
       1,
       "",
       "The result of a calculation is too big or too small.\n"},
      {{QStringLiteral("(1+2")}, 1, "", "Opening bracket has not been closed.\n"},
      {{QStringLiteral("v^2")}, 1, "", "Formula with unknown variable or constant: v\n"},
  };
  for (const TCase &c : cases) {
    SCOPED_TRACE(c.Arguments.join(QLatin1Char(' ')).toStdString());
    const auto result = eval_cli_test::RunCli(c.Arguments);
    EXPECT_EQ(result.Status, c.Status);
    EXPECT_EQ(result.Out.toStdString(), c.Out);
    EXPECT_EQ(result.Err.toStdString(), c.Err);
  }
  EXPECT_EQ(eval_cli_test::RunCli({}).Status, 1);
}
