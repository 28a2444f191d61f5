#pragma once
// The rules and texts of the writing dialog (TBoiteRecordMontage), without its window: the
// output size (resize or crop) with its limits, the frame rate of a video made from images,
// the compression settings, the blank frames of empty time slots, and the summary.
//
// The window copies its controls into this model and back; the writer (TRecordMontage) and
// kolibra-cli read the same values, so a size or a crop means the same in both.
//
// Invariants (kept by every setter, the dialog validates nothing on closing):
// - an output frame is never smaller than MinWidth x MinHeight (an eighth of the source,
//   at least 16 pixels), nor larger than four times the source when resizing;
// - cropping keeps SourceWidth - left - right >= MinWidth and likewise for the height, so the
//   output of a crop is the source less the four crops.

#include <QString>
#include <QStringList>

namespace kolibra::editing {

// What the dialog is set up for, chosen by the command that shows it.
enum TRecordKind { rkEditedVideo = 0, rkVideoToImages = 1, rkImagesToVideo = 2 };

class TBoiteRecordMontageModel {
 public:
  TRecordKind Kind = rkEditedVideo;
  // Frames per second: the video's own for the edited video, the user's for images.
  double FrameRate = 25.0;
  int TotalImages = 0;
  int TotalWithBlanks = 0;
  int ImageCount = 0;
  // The saved framework and codec are applied at the first showing of kinds 0 and 2.
  bool FirstShow = true;

  // Compression: percentage 10 ... 100 and frames between two key frames 1 ... 250.
  int Quality = 50;
  int KeyFrameEvery = 25;
  // Grey frames for the empty time slots of the montage.
  bool InsertBlanks = false;
  // Marks, axes and scale drawn over the written frames (for presentations).
  bool DrawMarks = false;

  // --- Size -------------------------------------------------------------------------------

  int SourceWidth() const { return FSourceWidth; }
  int SourceHeight() const { return FSourceHeight; }
  // Each also puts the matching output value back to the source's.
  void SetSourceWidth(int width);
  void SetSourceHeight(int height);
  int MinWidth() const;
  int MinHeight() const;

  // "Edit images", and "Crop" rather than "Resize"; each runs the size reset.
  bool EditImages() const { return FEditImages; }
  bool Cropping() const { return FCrop; }
  void SetEditImages(bool edit);
  void SetCropping(bool crop);
  // Unticks "Edit images" and resets the size (after a new video was opened).
  void ResetSize();

  // Resizing: the output size, clamped to MinWidth ... 4 x SourceWidth (and heights).
  void SetResizeWidth(int width);
  void SetResizeHeight(int height);
  int ResizeMaxWidth() const { return 4 * FSourceWidth; }
  int ResizeMaxHeight() const { return 4 * FSourceHeight; }

  // Cropping: pixels cut from each side; each is clamped so that the output keeps its minimum.
  enum TSide { sdTop, sdBottom, sdLeft, sdRight };
  int Crop(TSide side) const { return FCrops[side]; }
  void SetCrop(TSide side, int pixels);
  // The largest value side may take with the opposite crop as it is.
  int CropMax(TSide side) const;

  // The size written.
  int OutputWidth() const;
  int OutputHeight() const;
  bool ResizeApplies() const;
  bool CropApplies() const;
  // Where the output starts in the source; 0 unless cropping applies.
  int CropLeft() const { return CropApplies() ? FCrops[sdLeft] : 0; }
  int CropTop() const { return CropApplies() ? FCrops[sdTop] : 0; }

  // The number of frames written: with blanks for the edited video when they are inserted.
  int ShownTotal() const;

  // --- Texts ------------------------------------------------------------------------------

  QString Caption() const;
  // The summary's lines (the first one empty), codec and framework as the user sees them.
  QStringList Summary(const QString &codecName, const QString &frameworkName) const;

 private:
  int FSourceWidth = 320;
  int FSourceHeight = 240;
  bool FEditImages = false;
  bool FCrop = false;
  int FWidth = 320;
  int FHeight = 240;
  int FCrops[4] = {0, 0, 0, 0};
};

}  // namespace kolibra::editing
