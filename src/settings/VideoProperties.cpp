#include "settings/VideoProperties.h"

#include "kit/Locale.h"
#include "kit/MathUtils.h"
#include "kit/Texts.h"
#include "settings/ValueEntry.h"

#include <QCoreApplication>

namespace kolibra::settings {

namespace video_properties_impl {

// Puts text in place of the one placeholder of a translated pattern, without printf.
QString Fill(QString pattern, const char *placeholder, const QString &text) {
  const QLatin1String mark(placeholder);
  const int at = pattern.indexOf(mark);
  if (at >= 0) pattern.replace(at, mark.size(), text);
  return pattern;
}

}  // namespace video_properties_impl

QString TPropertiesModel::DefaultCaption() { return BoiteProprietesText::tr("Properties"); }

bool TPropertiesModel::CanShow(const TVideoProperties &video) { return !IsNearZero(video.FrameDuration); }

std::vector<TPropertiesLine> TPropertiesModel::Lines(const TVideoProperties &video) {
  using video_properties_impl::Fill;
  const QString dash = QStringLiteral("- ");
  // "%.3g": three significant digits in the general format.
  const QString rate = GeneralFormat(video.FrameRate, 3);
  const QString length = GeneralFormat(video.FrameDuration * video.FrameCount, 3);
  std::vector<TPropertiesLine> lines = {
      {BoiteProprietesText::tr("Information on the video file"), true, true},
      {},
      {video.FileName, false, false, colors::clBlue},
      {},
      {dash + Fill(BoiteProprietesText::tr("Frame rate: %.3g"), "%.3g", rate)},
      {dash + Fill(BoiteProprietesText::tr("Image width in pixels: %d"), "%d",
                   QString::number(video.FrameWidth))},
      {dash + Fill(BoiteProprietesText::tr("Image height in pixels: %d"), "%d",
                   QString::number(video.FrameHeight))},
      {dash + Fill(BoiteProprietesText::tr("Total number of images: %d"), "%d",
                   QString::number(video.FrameCount))},
      {dash + Fill(BoiteProprietesText::tr("Video length: %.3g s"), "%.3g", length)},
  };
  if (HasOrientation(video)) {
    QString turn =
        Fill(BoiteProprietesText::tr("Rotation: %d°"), "%d", QString::number(video.Rotation));
    if (video.Mirrored) turn += BoiteProprietesText::tr(", mirrored");
    if (video.RotationIgnored) turn += BoiteProprietesText::tr(" (ignored)");
    lines.push_back({dash + turn});
  }
  if (video.CaptureRate > 0.0)
    lines.push_back({dash + Fill(BoiteProprietesText::tr("Recorded at %.4g frames/s"), "%.4g",
                                 GeneralFormat(video.CaptureRate, 4))});
  if (video.VariableRate) lines.push_back({dash + BoiteProprietesText::tr("Frame durations vary")});
  return lines;
}

QString TPropertiesModel::IgnoreRotationCaption() {
  return BoiteProprietesText::tr("Show the pictures as stored (ignore the rotation)");
}

}  // namespace kolibra::settings
