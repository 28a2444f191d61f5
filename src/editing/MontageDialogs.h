#pragma once
// The rules and texts of the montage's two dialogs, without their windows.
//
// TBoiteBasculerModel (series of frames to hide or show): the typed list of frame numbers
// and ranges ("1-55; 58; 73-165", 1-based), the two list entries "All even image numbers"
// and "All odd image numbers", the keys the combo box accepts and the check made when the
// user presses Ok. The action and the last selection are kept between uses.
//
// TBoiteInstantModel (a frame is missing): the times of the frames around the current one
// and the arrows that shift the current frame and every later one.

#include <QChar>
#include <QString>
#include <vector>

namespace kolibra::measurement {
class TData;
}

namespace kolibra::editing {

class TMontage;

class TBoiteBasculerModel {
 public:
  QString Caption;
  // false: hide the selected frames; true: show them. Kept between uses.
  bool Action = false;
  // One entry per frame once the dialog closed with Ok.
  std::vector<bool> Selection;

  // Before the dialog shows: frames is the count of frames it selects among.
  void Prepare(int frames);
  int FrameCount() const { return Frames; }
  // Ok closed the dialog (the selection and the action stand).
  bool Accepted() const { return Done; }

  static constexpr int MaxTextLength = 100;
  static QString Intro();
  static QString NegativeNote();
  static QString ActionTitle();
  static QString HideItem();
  static QString ShowItem();
  static QString GroupsPrompt();
  static QString EvenItem();
  static QString OddItem();
  static QString OkCaption();
  static QString StatusText();

  // A key typed in the combo box: ignored, taken, or Ok pressed (Enter).
  enum TKeyUse { kuIgnore, kuAccept, kuOk };
  static TKeyUse FilterKey(QChar key, bool listEntrySelected);

  // The list entries of the combo box.
  enum TListChoice { lcText, lcEven, lcOdd };
  // What Ok does with the combo box: closes the dialog (the selection stands), keeps it open
  // after the group warning, or keeps it open with the combo box emptied (a forbidden
  // character).
  enum TCloseResult { crClose, crKeepOpen, crKeepOpenEmptied };
  TCloseResult TryClose(const QString &text, TListChoice choice, bool showSelected);

 private:
  bool ReadGroups(const QString &text);
  void Warn(bool showSelected) const;

  int Frames = 0;
  bool Done = false;
};

class TBoiteInstantModel {
 public:
  TBoiteInstantModel(TMontage &montage, const measurement::TData &data);

  QString Caption;

  static QString MissingLine();
  QString IntervalLine() const;
  static QString InitialTimeLine();
  QString PreviousLine() const;
  static QString CurrentLabel();
  // The read-only edit: the current frame's time and " s".
  QString CurrentValue() const;
  QString NextLine() const;
  static QString OkCaption();
  static QString StatusText();
  // The up-down control's range.
  static constexpr int ArrowMinimum = -32768;
  static constexpr int ArrowMaximum = 32767;

  // The arrows: the current frame and every later one one slot later or earlier; false when
  // refused (the texts stay as they were).
  bool Up();
  bool Down();

 private:
  TMontage *Montage;
  const measurement::TData *Data;
};

}  // namespace kolibra::editing
