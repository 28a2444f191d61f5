#pragma once
// Every message to the user goes through TMessageBox: an icon, the title "Kolibra",
// buttons added in order (Execute returns the index of the pressed one, 0 for the first),
// lines of text each with its own style and colour, an optional check box and an optional
// time after which the box closes by itself.
//
// The box only describes the message; a presenter shows it. The application installs the
// window presenter at start-up; tests install a TScriptedMessageBox that answers boxes from
// a script and records what was asked. Without any presenter a box is answered with its
// first button (the cautious one in every Kolibra question) and a warning is logged.

#include "kit/Color.h"

#include <QString>
#include <QStringList>
#include <deque>
#include <vector>

namespace kolibra {

enum TDefaultIcons { icCustom, icWarning, icError, icInformation, icConfirmation, icNone };

enum TMessageStyle : unsigned {
  msNormal = 0,
  msBold = 1,
  msItalic = 2,
  msUnderline = 4,
};

struct TMessageLine {
  QString Text;
  unsigned Style = msNormal;
  TColor Color = colors::clBlack;
};

// What a box asks; presenters read it, tests inspect it.
struct TMessageRequest {
  TDefaultIcons Icon = icInformation;
  QString Title = QStringLiteral("Kolibra");
  std::vector<TMessageLine> Lines;
  QStringList Buttons;
  QString CheckBoxText;  // empty: no check box
  bool CheckBoxChecked = false;
  int TimeoutMs = 0;  // 0: the box waits for the user
  int DefaultButton = 0;  // the button Enter presses: the first, the cautious one, unless set

  // The lines joined by line breaks (plain text, for logs and tests).
  QString Text() const;
};

struct TMessageAnswer {
  int Button = 0;  // index of the pressed button; -1 when closed without one (time-out)
  bool Checked = false;
};

class IMessagePresenter {
 public:
  virtual ~IMessagePresenter() = default;
  virtual TMessageAnswer Present(const TMessageRequest &request) = 0;
};

// Installs the presenter used by every box from now on (nullptr: none). Returns the
// previous one. The caller keeps ownership.
IMessagePresenter *SetMessagePresenter(IMessagePresenter *presenter);
IMessagePresenter *MessagePresenter();

class TMessageBox {
 public:
  explicit TMessageBox(TDefaultIcons icon = icInformation);

  TMessageBox &AddLine(const QString &text, unsigned style = msNormal,
                       TColor color = colors::clBlack);
  TMessageBox &AddEmptyLine() { return AddLine(QString()); }
  // A file name, in blue as every file name in Kolibra's messages.
  TMessageBox &AddFileName(const QString &fileName) { return AddLine(fileName, msNormal, colors::clBlue); }
  TMessageBox &AddButton(const QString &caption);
  TMessageBox &SetCheckBox(const QString &text, bool checked = false);
  TMessageBox &SetTimeout(int milliseconds);
  // The button Enter presses, for a question whose safe answer is not the first button.
  TMessageBox &SetDefaultButton(int index);
  TMessageBox &SetTitle(const QString &title);

  // Shows the box; the index of the pressed button (0 when there is a single "Ok").
  int Execute();
  bool Checked() const { return Answer.Checked; }

  const TMessageRequest &Request() const { return Req; }

 private:
  TMessageRequest Req;
  TMessageAnswer Answer;
};

// Shorthands for the common single-button boxes.
void ShowInformation(const QStringList &lines);
void ShowWarning(const QStringList &lines);
void ShowError(const QStringList &lines);

// The test double: answers boxes in order from a script and records every request.
// Installs itself on construction and restores the previous presenter on destruction.
class TScriptedMessageBox : public IMessagePresenter {
 public:
  TScriptedMessageBox();
  ~TScriptedMessageBox() override;
  TScriptedMessageBox(const TScriptedMessageBox &) = delete;
  TScriptedMessageBox &operator=(const TScriptedMessageBox &) = delete;

  // Queues the answer of the next box. Unscripted boxes are answered with button 0.
  void Answer(int button, bool checked = false);

  TMessageAnswer Present(const TMessageRequest &request) override;

  const std::vector<TMessageRequest> &Requests() const { return Seen; }
  int Count() const { return int(Seen.size()); }
  const TMessageRequest &Last() const { return Seen.back(); }
  int Unanswered() const { return int(Script.size()); }

 private:
  IMessagePresenter *Previous = nullptr;
  std::deque<TMessageAnswer> Script;
  std::vector<TMessageRequest> Seen;
};

}  // namespace kolibra
