#pragma once
// The rules of the value dialog: one number of a given kind, asked with a prompt, the current
// value, the allowed interval and an optional explanation, and checked before the dialog may
// close. TBoiteValeur (settings windows) only lays these texts out and hands the model its
// keys and the text to check, so every rule the user meets is here and tested headless.
//
// The model reads nothing of the rest of the program by itself: the caller fills a
// TValueContext with the numbers the kinds need (frame count, scale lengths, tracker state...)
// before choosing the kind, because choosing the kind is what prepares the texts.
//
// Accepted and Value keep the outcome of the last dialog until the next one starts. A dialog
// left by Escape or by closing its window is not accepted and leaves Value as it was, so a
// caller that checks Accepted changes nothing.

#include <QRect>
#include <QSize>
#include <QString>
#include <QVariant>

#include <functional>

namespace kolibra::settings {

// The kinds of value, in their historical order: the first three are reals, the others integers.
enum TTypeSaisie {
  tsAngle,
  tsCadence,
  tsLongueur,
  tsDMax,
  tsLastImg,
  tsNbMqDrawn,
  tsNbMqParImg,
  tsNumImg,
  tsNumOrdre,
  tsNbImgStep
};

// Which scale length a length kind starts from: horizontal, general or vertical.
enum TTypeSaisieLongueur { slLongueurH, slLongueurN, slLongueurV };

bool IsRealKind(TTypeSaisie kind);

// The numbers the kinds show and check against, as the rest of the program has them when
// the dialog is prepared. Frame and object numbers are indexes (from 0), as the program
// keeps them; the dialog shows them from 1.
struct TValueContext {
  bool VideoOpen = false;
  int FrameCount = 0;          // of the edited video when video editing applies
  int CurrentFrame = 0;        // index of the frame shown
  double ScaleLength = 1.0;    // general scale length
  double ScaleHorizLength = 1.0;
  double ScaleVertLength = 1.0;
  double AxisAngle = 0.0;      // x-axis angle of the fixed axes in radians; 0 in layer measurement
  int ObjectCount = 1;         // marks per frame of the active collection
  int MarksToDraw = 1;         // marks drawn of the active collection
  int FramesBetweenMarks = 1;  // frames of automatic forward after the last mark of a frame
  int TrackerRadius = 20;      // search radius in pixels
  int TrackerFirstFrame = 0;   // index of the first frame of the tracking sequence
  int TrackerLastFrame = 0;    // index of its last frame
  int TrackerObject = 0;       // index of the tracked object
  double WriterFrameRate = 25.0;  // frame rate set in the video-writing dialog
};

// What a dialog gave: Value holds a double for the real kinds and an int for the others
// (a frame or object index for tsLastImg, tsNumImg and tsNumOrdre; radians for tsAngle).
struct TValueResult {
  bool Accepted = false;
  QVariant Value;

  double Real() const { return Value.toDouble(); }
  int Integer() const { return Value.toInt(); }
};

// The allowed interval. Low and High are included unless Strict.
struct TValueInterval {
  double Low = 0.0;
  double High = 0.0;
  bool Strict = false;

  bool Contains(double v) const;
  bool IsEmpty() const;
};


class TValueEntryModel {
 public:
  static constexpr int EditMaxLength = 16;

  TValueEntryModel();

  // The numbers the next SetTypeSaisie reads.
  void SetContext(const TValueContext &context) { Ctx = context; }
  const TValueContext &Context() const { return Ctx; }

  // Prepares Caption, Prompt, InitialText, Comment, IntervalText and the interval.
  void SetTypeSaisie(TTypeSaisie kind);
  TTypeSaisie TypeSaisie() const { return Kind; }
  // For tsLongueur: which scale length the initial text shows.
  void SetTypeSaisieLongueur(TTypeSaisieLongueur kind);
  TTypeSaisieLongueur TypeSaisieLongueur() const { return LengthKind; }

  // The window's caption; set by SetTypeSaisie, the caller may change it afterwards.
  QString Caption;
  QString Prompt() const { return FPrompt; }  // ends with " :"
  QString InitialText() const { return FInitialText; }
  QString Comment() const { return FComment; }  // empty: no comment
  QString IntervalText() const { return FIntervalText; }
  const TValueInterval &Interval() const { return FInterval; }

  // Whether a dialog may be shown at all: only with a video open, except for the frame rate.
  bool CanExecute() const;

  // The edit's key filter: backspace, Enter and digits for every kind; for the real kinds
  // also "+", "-", "E", "e", "." and ",", the last two turned into the regional decimal
  // separator. False for a key to drop.
  static bool FilterKey(TTypeSaisie kind, QChar &key);
  bool FilterKey(QChar &key) const { return FilterKey(Kind, key); }

  // A dialog starts: not accepted until a value passes Validate.
  void Start() { FAccepted = false; }
  // A request to close with the text typed. True, with Accepted and Value set, for a number
  // in the interval; otherwise the user is told why (a warning for text that is no number,
  // an information with the interval for a number outside it) and nothing changes.
  bool Validate(const QString &text);
  // Escape or the window closed: not accepted, Value untouched.
  void Cancel() { FAccepted = false; }

  bool Accepted() const { return FAccepted; }
  const QVariant &Value() const { return FValue; }
  TValueResult Result() const { return {FAccepted, FValue}; }

 private:
  void RefreshLengthText();
  void ShowNotANumber(const QString &text) const;
  void ShowOutOfInterval(const QString &text) const;

  TValueContext Ctx;
  TTypeSaisie Kind = tsAngle;
  TTypeSaisieLongueur LengthKind = slLongueurN;
  QString FPrompt, FInitialText, FComment, FIntervalText;
  TValueInterval FInterval;
  bool FAccepted = false;
  QVariant FValue;
};

// Where the value dialog's controls sit in its client area.
struct TValueLayout {
  static constexpr int EditWidth = 120;
  static constexpr int EditHeight = 21;
  static constexpr int ButtonWidth = 75;
  static constexpr int ButtonHeight = 25;
  static constexpr int StatusBarHeight = 23;

  QSize Client;
  QRect Comment;  // empty without a comment
  QRect Prompt;
  QRect Edit;
  QRect Button;
  QRect Bevel;
  QRect StatusBar;
};

// promptSize: the prompt's text in the dialog's font; commentHeight: the height of the
// word-wrapped comment at a given width (not called without a comment); workAreaWidth: the
// width of the screen's work area.
TValueLayout ComputeValueLayout(QSize promptSize, bool hasComment,
                                const std::function<int(int width)> &commentHeight,
                                int workAreaWidth);

}  // namespace kolibra::settings
