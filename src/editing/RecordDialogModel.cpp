#include "editing/RecordDialogModel.h"

#include "kit/Texts.h"

#include <QCoreApplication>
#include <algorithm>

namespace kolibra::editing {

void TBoiteRecordMontageModel::SetSourceWidth(int width) {
  FSourceWidth = std::max(1, width);
  FWidth = FSourceWidth;
  FCrops[sdLeft] = FCrops[sdRight] = 0;
}

void TBoiteRecordMontageModel::SetSourceHeight(int height) {
  FSourceHeight = std::max(1, height);
  FHeight = FSourceHeight;
  FCrops[sdTop] = FCrops[sdBottom] = 0;
}

int TBoiteRecordMontageModel::MinWidth() const { return std::max(16, FSourceWidth / 8); }
int TBoiteRecordMontageModel::MinHeight() const { return std::max(16, FSourceHeight / 8); }

void TBoiteRecordMontageModel::SetEditImages(bool edit) {
  FEditImages = edit;
  SetCropping(FCrop);
}

void TBoiteRecordMontageModel::SetCropping(bool crop) {
  FCrop = crop;
  FWidth = FSourceWidth;
  FHeight = FSourceHeight;
  for (int &c : FCrops) c = 0;
}

void TBoiteRecordMontageModel::ResetSize() { SetEditImages(false); }

void TBoiteRecordMontageModel::SetResizeWidth(int width) {
  FWidth = std::clamp(width, std::min(MinWidth(), FSourceWidth), ResizeMaxWidth());
}

void TBoiteRecordMontageModel::SetResizeHeight(int height) {
  FHeight = std::clamp(height, std::min(MinHeight(), FSourceHeight), ResizeMaxHeight());
}

int TBoiteRecordMontageModel::CropMax(TSide side) const {
  const bool horizontal = side == sdLeft || side == sdRight;
  const int source = horizontal ? FSourceWidth : FSourceHeight;
  const int minimum = horizontal ? MinWidth() : MinHeight();
  const TSide other = side == sdTop ? sdBottom : side == sdBottom ? sdTop : side == sdLeft ? sdRight : sdLeft;
  return std::max(0, source - minimum - FCrops[other]);
}

void TBoiteRecordMontageModel::SetCrop(TSide side, int pixels) { FCrops[side] = std::clamp(pixels, 0, CropMax(side)); }

int TBoiteRecordMontageModel::OutputWidth() const {
  if (!FEditImages) return FSourceWidth;
  return FCrop ? FSourceWidth - FCrops[sdLeft] - FCrops[sdRight] : FWidth;
}

int TBoiteRecordMontageModel::OutputHeight() const {
  if (!FEditImages) return FSourceHeight;
  return FCrop ? FSourceHeight - FCrops[sdTop] - FCrops[sdBottom] : FHeight;
}

bool TBoiteRecordMontageModel::ResizeApplies() const {
  return FEditImages && !FCrop && (OutputWidth() != FSourceWidth || OutputHeight() != FSourceHeight);
}

bool TBoiteRecordMontageModel::CropApplies() const {
  return FEditImages && FCrop && (OutputWidth() != FSourceWidth || OutputHeight() != FSourceHeight);
}

int TBoiteRecordMontageModel::ShownTotal() const {
  return Kind == rkEditedVideo && InsertBlanks ? TotalWithBlanks : TotalImages;
}

QString TBoiteRecordMontageModel::Caption() const {
  switch (Kind) {
    case rkEditedVideo:
      return RecordMontageText::tr("Save edited video to a file");
    case rkVideoToImages:
      return RecordMontageText::tr("Convert a video file to a sequence of images");
    case rkImagesToVideo:
      break;
  }
  return RecordMontageText::tr("Create a video from images");
}

QStringList TBoiteRecordMontageModel::Summary(const QString &codecName, const QString &frameworkName) const {
  // The rate in the general format with three significant digits, "." whatever the locale.
  const QString rate = QString::number(FrameRate, 'g', 3);
  const QString width = RecordMontageText::tr("Image width in pixels: %1").arg(OutputWidth());
  const QString height = RecordMontageText::tr("Image height in pixels: %1").arg(OutputHeight());
  const QString rateLine = RecordMontageText::tr("Frame rate: %1").arg(rate);
  const QString codec =
      RecordMontageText::tr("Compression Codec: %1")
          .arg(codecName.isEmpty() ? RecordMontageText::tr("without") : codecName);
  const QString framework = RecordMontageText::tr("Framework: %1").arg(frameworkName);
  const QString resized =
      RecordMontageText::tr("Resized images: %1")
          .arg(ResizeApplies() ? RecordMontageText::tr("yes") : RecordMontageText::tr("no"));
  const QString cropped =
      RecordMontageText::tr("Cropped images: %1")
          .arg(CropApplies() ? RecordMontageText::tr("yes") : RecordMontageText::tr("no"));
  QStringList lines{QString()};
  switch (Kind) {
    case rkEditedVideo:
      lines << RecordMontageText::tr("Video container: AVI") << width << height << rateLine
            << RecordMontageText::tr("Total number of images: %1").arg(ShownTotal()) << codec
            << framework << QStringLiteral(" ")
            << RecordMontageText::tr("Missing frames: %1")
                   .arg(InsertBlanks ? RecordMontageText::tr("insert empty frames")
                                     : RecordMontageText::tr("do nothing"))
            << resized << cropped;
      break;
    case rkVideoToImages:
      lines << RecordMontageText::tr("File format: BMP") << width << height
            << RecordMontageText::tr("Total number of images: %1").arg(TotalImages) << resized
            << cropped;
      break;
    case rkImagesToVideo:
      lines << RecordMontageText::tr("Video container: AVI") << width << height << rateLine
            << RecordMontageText::tr("Total number of images: %1").arg(ImageCount) << codec
            << framework;
      break;
  }
  return lines;
}

}  // namespace kolibra::editing
