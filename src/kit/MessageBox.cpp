#include "kit/MessageBox.h"

#include <QtGlobal>

namespace kolibra {

namespace {
IMessagePresenter *currentPresenter = nullptr;
}

QString TMessageRequest::Text() const {
  QStringList parts;
  for (const TMessageLine &l : Lines) parts << l.Text;
  return parts.join(QLatin1Char('\n'));
}

IMessagePresenter *SetMessagePresenter(IMessagePresenter *presenter) {
  IMessagePresenter *previous = currentPresenter;
  currentPresenter = presenter;
  return previous;
}

IMessagePresenter *MessagePresenter() { return currentPresenter; }

TMessageBox::TMessageBox(TDefaultIcons icon) { Req.Icon = icon; }

TMessageBox &TMessageBox::AddLine(const QString &text, unsigned style, TColor color) {
  Req.Lines.push_back({text, style, color});
  return *this;
}

TMessageBox &TMessageBox::AddButton(const QString &caption) {
  Req.Buttons << caption;
  return *this;
}

TMessageBox &TMessageBox::SetCheckBox(const QString &text, bool checked) {
  Req.CheckBoxText = text;
  Req.CheckBoxChecked = checked;
  return *this;
}

TMessageBox &TMessageBox::SetTimeout(int milliseconds) {
  Req.TimeoutMs = qMax(0, milliseconds);
  return *this;
}

TMessageBox &TMessageBox::SetDefaultButton(int index) {
  Req.DefaultButton = index;
  return *this;
}

TMessageBox &TMessageBox::SetTitle(const QString &title) {
  Req.Title = title;
  return *this;
}

int TMessageBox::Execute() {
  if (Req.Buttons.isEmpty()) Req.Buttons << QStringLiteral("Ok");
  if (currentPresenter == nullptr) {
    qWarning("Kolibra message without a presenter: %s", qPrintable(Req.Text()));
    Answer = {0, Req.CheckBoxChecked};
  } else {
    Answer = currentPresenter->Present(Req);
  }
  return Answer.Button;
}

namespace {
void showSimple(TDefaultIcons icon, const QStringList &lines) {
  TMessageBox box(icon);
  for (const QString &l : lines) box.AddLine(l);
  box.Execute();
}
}  // namespace

void ShowInformation(const QStringList &lines) { showSimple(icInformation, lines); }
void ShowWarning(const QStringList &lines) { showSimple(icWarning, lines); }
void ShowError(const QStringList &lines) { showSimple(icError, lines); }

TScriptedMessageBox::TScriptedMessageBox() { Previous = SetMessagePresenter(this); }

TScriptedMessageBox::~TScriptedMessageBox() { SetMessagePresenter(Previous); }

void TScriptedMessageBox::Answer(int button, bool checked) { Script.push_back({button, checked}); }

TMessageAnswer TScriptedMessageBox::Present(const TMessageRequest &request) {
  Seen.push_back(request);
  if (Script.empty()) return {0, request.CheckBoxChecked};
  TMessageAnswer a = Script.front();
  Script.pop_front();
  return a;
}

}  // namespace kolibra
