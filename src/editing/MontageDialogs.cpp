#include "editing/MontageDialogs.h"

#include "editing/Montage.h"
#include "kit/MathUtils.h"
#include "kit/MessageBox.h"
#include "kit/Texts.h"
#include "measurement/Data.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>

namespace kolibra::editing {

namespace montage_dialogs_impl {

bool IsGroupCharacter(QChar c) {
  return c.isDigit() || c == QLatin1Char(' ') || c == QLatin1Char('-') || c == QLatin1Char(';');
}

QString ChopTrailing(QString text) {
  while (text.endsWith(QLatin1Char('-')) || text.endsWith(QLatin1Char(';'))) text.chop(1);
  return text;
}

// A whole number of the group syntax (digits, maybe surrounded by blanks).
bool WholeNumber(const QString &text, int &value) {
  const QString trimmed = text.trimmed();
  if (trimmed.isEmpty()) return false;
  for (QChar c : trimmed)
    if (!c.isDigit()) return false;
  bool ok = false;
  value = trimmed.toInt(&ok);
  return ok;
}

}  // namespace montage_dialogs_impl

using namespace montage_dialogs_impl;

// ---------------------------------------------------------------------------------------------
// Series of frames
// ---------------------------------------------------------------------------------------------

void TBoiteBasculerModel::Prepare(int frames) {
  Frames = std::max(0, frames);
  Done = false;
}

QString TBoiteBasculerModel::Intro() {
  return BoiteBasculerText::tr(
             "This window allows you to select the useful part of the video sequence or") +
         QLatin1Char(' ') + BoiteBasculerText::tr("to modify a previous selection");
}
QString TBoiteBasculerModel::NegativeNote() {
  return BoiteBasculerText::tr("Hidden frames appear in negative on the edited video.");
}
QString TBoiteBasculerModel::ActionTitle() { return BoiteBasculerText::tr("Action"); }
QString TBoiteBasculerModel::HideItem() { return BoiteBasculerText::tr("Hide images"); }
QString TBoiteBasculerModel::ShowItem() { return BoiteBasculerText::tr("Show images"); }
QString TBoiteBasculerModel::GroupsPrompt() {
  return BoiteBasculerText::tr(
      "Type the number of the images, or image groups separated by semicolon (example: 1-55; 58; "
      "73-165)");
}
QString TBoiteBasculerModel::EvenItem() { return BoiteBasculerText::tr("All even image numbers"); }
QString TBoiteBasculerModel::OddItem() { return BoiteBasculerText::tr("All odd image numbers"); }
QString TBoiteBasculerModel::OkCaption() { return BoiteBasculerText::tr("&Ok"); }
QString TBoiteBasculerModel::StatusText() {
  return BoiteBasculerText::tr("The marks placed on the hidden images will be deleted");
}

TBoiteBasculerModel::TKeyUse TBoiteBasculerModel::FilterKey(QChar key, bool listEntrySelected) {
  if (listEntrySelected) return kuIgnore;
  if (key == QLatin1Char('\r') || key == QLatin1Char('\n')) return kuOk;
  if (key == QLatin1Char('\b') || IsGroupCharacter(key)) return kuAccept;
  return kuIgnore;
}

void TBoiteBasculerModel::Warn(bool showSelected) const {
  TMessageBox(icWarning)
      .AddLine(BoiteBasculerText::tr("The image group at %s is incorrect")
                   .replace(QLatin1String("%s"), showSelected ? BoiteBasculerText::tr("show")
                                                              : BoiteBasculerText::tr("hide")))
      .AddButton(BoiteBasculerText::tr("Ok"))
      .Execute();
}

TBoiteBasculerModel::TCloseResult TBoiteBasculerModel::TryClose(const QString &text, TListChoice choice,
                                                                bool showSelected) {
  Selection.assign(size_t(Frames), false);
  if (choice == lcEven || choice == lcOdd) {
    // 1-based numbers: even numbers are the odd video indexes.
    for (int index = choice == lcEven ? 1 : 0; index < Frames; index += 2) Selection[size_t(index)] = true;
  } else {
    QString groups = ChopTrailing(text);
    for (QChar c : groups) {
      if (!IsGroupCharacter(c)) {
        Warn(showSelected);
        return crKeepOpenEmptied;
      }
    }
    for (qsizetype length = -1; length != groups.size();) {
      length = groups.size();
      groups.replace(QLatin1String(";;"), QLatin1String(";")).replace(QLatin1String("--"), QLatin1String("-"));
    }
    if (!groups.isEmpty() && !ReadGroups(groups)) {
      Selection.assign(size_t(Frames), false);
      Warn(showSelected);
      return crKeepOpen;
    }
  }
  Action = showSelected;
  Done = true;
  return crClose;
}

bool TBoiteBasculerModel::ReadGroups(const QString &text) {
  const QStringList groups = (text + QLatin1Char(';')).split(QLatin1Char(';'));
  // The text after the last ";" is empty: it is not a group.
  for (qsizetype g = 0; g + 1 < groups.size(); ++g) {
    const QString group = ChopTrailing(groups[g]);
    const qsizetype dash = group.indexOf(QLatin1Char('-'));
    int first = 0, last = 0;
    if (dash >= 0) {
      if (!WholeNumber(group.left(dash), first) || !WholeNumber(group.mid(dash + 1), last)) return false;
      if (last < first) std::swap(first, last);
    } else {
      if (!WholeNumber(group, first)) return false;
      last = first;
    }
    if (first < 1 || last > Frames) return false;
    for (int number = first; number <= last; ++number) Selection[size_t(number - 1)] = true;
  }
  return true;
}

// ---------------------------------------------------------------------------------------------
// Missing frame
// ---------------------------------------------------------------------------------------------

TBoiteInstantModel::TBoiteInstantModel(TMontage &montage, const measurement::TData &data)
    : Montage(&montage), Data(&data) {}

QString TBoiteInstantModel::MissingLine() {
  return BoiteInstantText::tr(
      "The duration between the frame before and after the missing image must be changed");
}

QString TBoiteInstantModel::IntervalLine() const {
  return BoiteInstantText::tr("The interval between 2 successive frames is T = %s s.")
      .replace(QLatin1String("%s"), FormatReal(0, Data->FrameInterval()));
}

QString TBoiteInstantModel::InitialTimeLine() {
  return BoiteInstantText::tr("The initial time is the first frame in the video stream.");
}

QString TBoiteInstantModel::PreviousLine() const {
  const double time = Montage->FrameTime(fwPrevious);
  if (time == -1.0) return QString();
  return BoiteInstantText::tr("previous visible image t = %s s")
      .replace(QLatin1String("%s"), FormatReal(0, time));
}

QString TBoiteInstantModel::CurrentLabel() {
  return BoiteInstantText::tr("time of selected image t =");
}

QString TBoiteInstantModel::CurrentValue() const {
  return FormatReal(0, Montage->FrameTime(fwCurrent)) + QLatin1Char(' ') +
         BoiteInstantText::tr("s");
}

QString TBoiteInstantModel::NextLine() const {
  const double time = Montage->FrameTime(fwNext);
  if (time == -1.0) return QString();
  return BoiteInstantText::tr("next visible image  t = %s s")
      .replace(QLatin1String("%s"), FormatReal(0, time));
}

QString TBoiteInstantModel::OkCaption() { return BoiteInstantText::tr("&Ok"); }
QString TBoiteInstantModel::StatusText() {
  return BoiteInstantText::tr("Tip: go to the image immediately after the missing frame");
}

bool TBoiteInstantModel::Up() { return Montage->ShiftFromCurrent(+1); }
bool TBoiteInstantModel::Down() { return Montage->ShiftFromCurrent(-1); }

}  // namespace kolibra::editing
