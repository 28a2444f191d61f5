// kolibra-cli eval: the value with 17 significant digits, or the parser's message and a
// failure status; in process here, through the real program in EvalCliTest.cpp.

#include "formulas/EvalCommand.h"
#include "kit/Locale.h"

#include <gtest/gtest.h>
#include <QTextStream>

using namespace kolibra;
using namespace kolibra::formulas;

namespace eval_command_test {

struct TRun {
  int Status;
  QString Out;
  QString Err;
};

TRun Run(const QStringList &arguments) {
  TRun run;
  QTextStream out(&run.Out);
  QTextStream err(&run.Err);
  run.Status = RunEvalCommand(arguments, out, err);
  out.flush();
  err.flush();
  return run;
}

}  // namespace eval_command_test

TEST(EvalCommand, PrintsSeventeenDigitsOrTheMessage) {
  using eval_command_test::Run;
  const ScopedDecimalSeparator point(QLatin1Char('.'));
  struct TCase {
    QStringList Arguments;
    int Status;
    const char *Out;
    const char *Err;
  };
  const TCase cases[] = {
      {{QStringLiteral("8/4*2")}, 0, "1\n", ""},
      {{QStringLiteral("1"), QStringLiteral("+"), QStringLiteral("2")},
       0,
       "3\n",
       ""},  // split by the shell
      {{QStringLiteral("pi")}, 0, "3.1415926535897931\n", ""},
      {{QStringLiteral("1/3")}, 0, "0.33333333333333331\n", ""},
      {{QStringLiteral("0,5*4")}, 0, "2\n", ""},                      // either separator
      {{QStringLiteral("sin(30)")}, 0, "0.49999999999999994\n", ""},  // degrees by default
      {{QStringLiteral("--radian"), QStringLiteral("ArcTan(1;0)")}, 0, "1.5707963267948966\n", ""},
      {{QStringLiteral("--"), QStringLiteral("-2^2")}, 0, "-4\n", ""},
      {{QStringLiteral("1/0")}, 1, "", "Division by zero.\n"},
      {{QStringLiteral("0^-1")}, 1, "", "Division by zero.\n"},
      {{QStringLiteral("x+1")}, 1, "", "Formula with unknown variable or constant: x\n"},
      {{QStringLiteral("(-8)^(1/3)")},
       1,
       "",
       "Calculation of a non-integer power of a negative number.\n"},
  };
  for (const TCase &c : cases) {
    SCOPED_TRACE(c.Arguments.join(QLatin1Char(' ')).toStdString());
    const auto run = Run(c.Arguments);
    EXPECT_EQ(run.Status, c.Status);
    EXPECT_EQ(run.Out.toStdString(), c.Out);
    EXPECT_EQ(run.Err.toStdString(), c.Err);
  }
  const auto usage = Run({QStringLiteral("--radian")});
  EXPECT_EQ(usage.Status, 1);
  EXPECT_TRUE(
      usage.Err.startsWith(QStringLiteral("Usage: kolibra-cli eval EXPRESSION [--radian]")));
}
