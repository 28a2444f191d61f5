// kolibra-cli eval as scripts run it: the real program, its exit status and its two streams.

#include "support/RunProgram.h"

#include <gtest/gtest.h>

namespace eval_cli_test {

kolibra::testing::TProgramRun RunCli(const QStringList &arguments) {
  return kolibra::testing::RunProgram(QStringLiteral(KOLIBRA_CLI), QStringList{QStringLiteral("eval")} + arguments,
                                      [](QProcessEnvironment &environment) {
                                        environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
                                      });
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
