#include "formulas/FormulaMemo.h"

#include "kit/Locale.h"

#include <algorithm>

namespace kolibra::formulas {

namespace formula_memo {

constexpr char16_t DivisionSign = 0x00F7;

}  // namespace formula_memo

QString TFormulaMemo::FunctionInsertion(const QString &name) const {
  const bool atEnd = SelStart + SelLength >= Text.size();
  return name + (atEnd ? QStringLiteral("()") : QStringLiteral("("));
}

void TFormulaMemo::ClampSelection() {
  SelStart = std::clamp(SelStart, 0, int(Text.size()));
  SelLength = std::clamp(SelLength, 0, int(Text.size()) - SelStart);
}

void TFormulaMemo::Insert(const QString &text) {
  ClampSelection();
  Text.replace(SelStart, SelLength, text);
  // Inside a pair of brackets just opened and closed, else after the insertion.
  SelStart += int(text.size()) - (text.endsWith(QStringLiteral("()")) ? 1 : 0);
  SelLength = 0;
}

void TFormulaMemo::Erase() {
  ClampSelection();
  if (SelLength > 0) {
    Text.remove(SelStart, SelLength);
  } else if (SelStart > 0) {
    Text.remove(SelStart - 1, 1);
    --SelStart;
  }
  SelLength = 0;
}

void TFormulaMemo::Clear() {
  Text.clear();
  SelStart = SelLength = 0;
}

void TFormulaMemo::Home() { SelStart = SelLength = 0; }

void TFormulaMemo::End() {
  SelStart = int(Text.size());
  SelLength = 0;
}

void TFormulaMemo::Left() {
  ClampSelection();
  SelStart = std::max(0, SelStart - 1);
  SelLength = 0;
}

void TFormulaMemo::Right() {
  ClampSelection();
  SelStart = std::min(int(Text.size()), SelStart + 1);
  SelLength = 0;
}

void TFormulaMemo::ShowText(const QString &text) {
  Text = text;
  End();
}

QChar TFormulaMemo::TypedChar(QChar typed) {
  if (typed == QLatin1Char('.') || typed == QLatin1Char(',')) return DecimalSeparator();
  if (typed == QLatin1Char('/')) return QChar(formula_memo::DivisionSign);
  return typed;
}

void AddToHistory(QStringList &history, const QString &entry) {
  history.erase(std::remove_if(history.begin(), history.end(),
                               [&](const QString &old) {
                                 return QString::compare(old, entry, Qt::CaseInsensitive) == 0;
                               }),
                history.end());
  history.append(entry);
}

}  // namespace kolibra::formulas
