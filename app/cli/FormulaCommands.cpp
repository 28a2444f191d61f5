// kolibra-cli eval: the expression may start with "-", so eval reads its own arguments.
#include "Commands.h"
#include "formulas/EvalCommand.h"

namespace kolibra::cli {

int RunEval(const QStringList &Arguments, QTextStream &Out, QTextStream &Err) {
  return formulas::RunEvalCommand(Arguments, Out, Err);
}

}  // namespace kolibra::cli
