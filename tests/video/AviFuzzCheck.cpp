#include "AviFuzzCheck.h"

#include "video/AviDib.h"
#include "video/AviParser.h"
#include "video/AviPlan.h"

#include <QImage>
#include <algorithm>

namespace kolibra::video::avi::fuzzing {

namespace avifuzz {

QString CheckPlan(const TAviPlan &Plan, const TAviStream &Stream, const char *Name) {
  if (Plan.Picture.size() != Stream.Slots.size()) return QStringLiteral("%1: a picture per slot").arg(Name);
  // A packed stream may leave one more picture than chunks: the one its last chunk kept.
  if (Plan.Pictures < 0 || Plan.Pictures > int(Stream.Slots.size()) + (Plan.FlushStored ? 1 : 0))
    return QStringLiteral("%1: count").arg(Name);
  int previous = 0;
  for (int32_t p : Plan.Picture) {
    if (p < 0 || (Plan.Pictures > 0 && p >= Plan.Pictures) || p < previous) {
      return QStringLiteral("%1: picture %2 out of order").arg(Name).arg(p);
    }
    previous = p;
  }
  for (size_t i = 0; i < Plan.Keys.size(); ++i) {
    const TAviPlan::TKey &k = Plan.Keys[i];
    if (k.Slot < 0 || k.Slot >= int(Stream.Slots.size()) || Stream.Slots[size_t(k.Slot)].Size == 0) {
      return QStringLiteral("%1: key at slot %2").arg(Name).arg(k.Slot);
    }
    if (i > 0 && (k.Slot <= Plan.Keys[i - 1].Slot || k.Picture <= Plan.Keys[i - 1].Picture)) {
      return QStringLiteral("%1: keys out of order").arg(Name);
    }
  }
  if (Plan.Pictures > 0 && (Plan.Keys.empty() || !Plan.KeyFor(Plan.Pictures - 1))) {
    return QStringLiteral("%1: no key").arg(Name);
  }
  return QString();
}

}  // namespace avifuzz

QString CheckAvi(const QByteArray &Bytes) {
  const auto *data = reinterpret_cast<const uint8_t *>(Bytes.constData());
  const int64_t size = Bytes.size();

  // The MPEG-4 headers reader on the raw bytes, whatever they are.
  TMpeg4Headers headers;
  headers.Read(data, size);
  if (headers.Vops().size() > TMpeg4Headers::MaxVops) return QStringLiteral("too many VOPs kept");

  TAviMemorySource source(data, size);
  TAviStream stream;
  QString error;
  if (!ParseAvi(source, stream, error)) {
    return error.isEmpty() ? QStringLiteral("a refusal without a reason") : QString();
  }
  if (!error.isEmpty()) return QStringLiteral("a reason for a success");
  if (stream.Slots.empty()) return QStringLiteral("opened without slots");
  if (int64_t(stream.Slots.size()) > size / 8 + 1) return QStringLiteral("more slots than the file can hold");
  if (stream.Width() <= 0 || stream.Height() <= 0 || stream.Width() > MaxFrameSide || stream.Height() > MaxFrameSide ||
      int64_t(stream.Width()) * stream.Height() > MaxFramePixels) {
    return QStringLiteral("frame size %1 x %2 let through").arg(stream.Width()).arg(stream.Height());
  }
  for (const TAviSlot &s : stream.Slots) {
    if (s.Offset < 0 || s.Offset > size || int64_t(s.Size) > size - s.Offset) {
      return QStringLiteral("slot outside the file: %1 + %2 of %3, index %4")
          .arg(s.Offset)
          .arg(s.Size)
          .arg(size)
          .arg(int(stream.IndexKind));
    }
  }

  QString problem = avifuzz::CheckPlan(PlanOfChunks(stream, false), stream, "chunks");
  if (problem.isEmpty()) problem = avifuzz::CheckPlan(PlanOfChunks(stream, true), stream, "intra");
  if (problem.isEmpty()) problem = avifuzz::CheckPlan(PlanOfMpeg4(source, stream), stream, "mpeg4");
  if (!problem.isEmpty()) return problem;

  TDibFormat dib;
  if (dib.Setup(stream)) {
    const size_t n = stream.Slots.size();
    for (size_t k : {size_t(0), size_t(1), n / 2, n - 1}) {
      if (k >= n) continue;
      const TAviSlot &s = stream.Slots[k];
      QImage image;
      const bool drawn = dib.Convert(data + s.Offset, s.Size, image);
      if (drawn != (int64_t(s.Size) >= dib.ImageBytes())) return QStringLiteral("a bitmap drawn from a short chunk");
      if (drawn && (image.width() != dib.Width() || image.height() != dib.Height())) {
        return QStringLiteral("a bitmap of the wrong size");
      }
    }
  }
  return QString();
}

}  // namespace kolibra::video::avi::fuzzing
