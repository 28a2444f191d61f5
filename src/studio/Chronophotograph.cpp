#include "studio/Chronophotograph.h"

#include "kit/AtomicFile.h"
#include "kit/Texts.h"
#include "studio/Studio.h"
#include "video/VideoSources.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QImageWriter>
#include <QRegularExpression>
#include <cmath>
#include <set>

namespace kolibra::studio {

namespace chronophotograph {

// The studio's host for kolibra-cli: frames come from the reader, nothing is asked.
class TCliHost : public IStudioHost {
 public:
  explicit TCliHost(TFrameViewPort &view) : View(view) {}
  bool GrabFrame(QImage &bitmap) override { return View.GrabFrame(bitmap); }
  int FrameStep() const override { return 1; }
  TColor OutlineColor() const override { return colors::clBlack; }
  bool AskSaveFile(const TSaveFileRequest &, QString &) override { return false; }
  void FileSaved(const QString &) override {}

 private:
  TFrameViewPort &View;
};

}  // namespace chronophotograph

QImage ComposeChronophotograph(const std::vector<const TModele *> &outlines, const QImage *background, QSize frameSize) {
  QImage picture;
  if (background != nullptr) {
    picture = background->convertToFormat(QImage::Format_RGB888);
  } else {
    picture = QImage(frameSize, QImage::Format_RGB888);
    picture.fill(Qt::white);
  }
  for (const TModele *outline : outlines)
    if (outline != nullptr) outline->PasteInto(picture);
  return picture;
}

QString PictureFormatFor(const QString &fileName) {
  return QFileInfo(fileName).suffix().compare(QLatin1String("png"), Qt::CaseInsensitive) == 0 ? QStringLiteral("PNG")
                                                                                               : QStringLiteral("BMP");
}

bool WritePicture(const QImage &picture, const QString &fileName, QString &reason) {
  reason.clear();
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, PictureFormatFor(fileName).toLatin1());
  if (!writer.write(picture)) {
    reason = writer.errorString();
    return false;
  }
  return WriteFileAtomically(fileName, bytes, &reason);
}

// ---------------------------------------------------------------------------------------------
// A view without a window
// ---------------------------------------------------------------------------------------------

TFrameViewPort::TFrameViewPort(video::TVideoPlay &reader) : Reader(reader) {
  Mapping = measurement::TFrameMapping{double(std::max(1, reader.FrameWidth())),
                                       double(std::max(1, reader.FrameHeight())), 0.0, 0.0};
}

int TFrameViewPort::NativeFrameWidth() const { return Reader.FrameWidth(); }
int TFrameViewPort::NativeFrameHeight() const { return Reader.FrameHeight(); }
int TFrameViewPort::CurrentFrameIndex() const { return Reader.Position(); }

void TFrameViewPort::GoToFrame(int editedIndex) {
  if (editedIndex >= 0 && editedIndex != Reader.Position()) Reader.SetPosition(editedIndex);
}

bool TFrameViewPort::GrabFrame(QImage &bitmap) {
  bitmap = QImage(Reader.FrameWidth(), Reader.FrameHeight(), QImage::Format_RGB888);
  Reader.DrawMode = video::SrcCopy;
  return Reader.Draw(bitmap, QRect(0, 0, Reader.FrameWidth(), Reader.FrameHeight()));
}

// ---------------------------------------------------------------------------------------------
// kolibra-cli chrono
// ---------------------------------------------------------------------------------------------

bool ParseChronoCircle(const QString &text, TChronoCircle &circle) {
  static const QRegularExpression form(QStringLiteral(R"(^\s*(\d+)\s*:\s*([^,]+),([^,]+),([^,]+)$)"));
  const QRegularExpressionMatch match = form.match(text);
  if (!match.hasMatch()) return false;
  bool ok[4] = {};
  circle.Frame = match.captured(1).toInt(&ok[0]);
  circle.X = match.captured(2).trimmed().toDouble(&ok[1]);
  circle.Y = match.captured(3).trimmed().toDouble(&ok[2]);
  circle.R = match.captured(4).trimmed().toDouble(&ok[3]);
  return ok[0] && ok[1] && ok[2] && ok[3] && std::isfinite(circle.X) && std::isfinite(circle.Y) &&
         std::isfinite(circle.R);
}

int MakeChronoCommand(const QString &wrapperFolder, const QString &video, const QString &out,
                      const std::vector<TChronoCircle> &circles, bool background,
                      QTextStream &outText, QTextStream &err) {
  const QString suffix = QFileInfo(out).suffix().toLower();
  if (suffix != QLatin1String("png") && suffix != QLatin1String("bmp")) {
    err << out << ": " << StudioText::tr("The picture must be a .png or a .bmp file.") << Qt::endl;
    return 1;
  }
  if (QFileInfo::exists(out)) {
    err << out << ": "
        << StudioText::tr("A file with this name already exists; nothing was written.") << Qt::endl;
    return 1;
  }
  if (circles.empty()) {
    err << StudioText::tr("Give at least one circle: --circle FRAME:X,Y,RADIUS.") << Qt::endl;
    return 1;
  }
  if (!QFileInfo(video).isFile()) {
    err << video << ": " << StudioText::tr("Unable to open this video file.") << Qt::endl;
    return 1;
  }
  video::TVideoSources sources(wrapperFolder);
  if (!sources.Open(video)) {
    QString why = sources.OpenErrorText();
    err << video << ": " << StudioText::tr("Can not open this video file.") << ' '
        << why.replace(QStringLiteral("\r\n"), QStringLiteral(" ")) << Qt::endl;
    return 1;
  }
  video::TVideoPlay &reader = *sources.Active();
  std::set<int> frames;
  for (const TChronoCircle &c : circles) {
    if (c.Frame < 0 || c.Frame >= reader.FrameCount()) {
      err << StudioText::tr("Frame %1 is not in the video (0 to %2).")
                 .arg(c.Frame)
                 .arg(reader.FrameCount() - 1)
          << Qt::endl;
      return 1;
    }
    if (c.R < 1.0) {
      err << StudioText::tr("The circle on frame %1 has no radius.").arg(c.Frame) << Qt::endl;
      return 1;
    }
    // The studio keeps one outline per frame.
    if (!frames.insert(c.Frame).second) {
      err << StudioText::tr("Frame %1 has two circles; a frame holds one outline.").arg(c.Frame)
          << Qt::endl;
      return 1;
    }
  }

  TFrameViewPort view(reader);
  chronophotograph::TCliHost host(view);
  TStudio studio(view, host, nullptr);
  const double w = reader.FrameWidth();
  const double h = reader.FrameHeight();
  for (const TChronoCircle &c : circles) {
    if (studio.AddDiscs({TStudioDisc{c.Frame, TPointD(c.X / w, c.Y / h), c.R}}) != 1) {
      err << StudioText::tr(
                 "The circle on frame %1 encloses nothing of the picture, or the frame cannot be "
                 "read.")
                 .arg(c.Frame)
          << Qt::endl;
      return 1;
    }
  }
  QImage picture;
  if (!studio.BuildChronophotograph(background, picture)) {
    err << StudioText::tr(
               "Unexpected error detected during the creation of the chronophotography .")
        << Qt::endl;
    return 1;
  }
  QString reason;
  if (!WritePicture(picture, out, reason)) {
    err << out << ": " << StudioText::tr("The file creation in the selected directory has failed.")
        << ' ' << reason << Qt::endl;
    return 1;
  }
  outText << "outlines: " << studio.PictureCount() << '\n'
          << "background: " << (background ? QString::number(studio.FirstFrame()) : QStringLiteral("white")) << '\n'
          << "size: " << picture.width() << 'x' << picture.height() << '\n'
          << "file: " << out << Qt::endl;
  return 0;
}

}  // namespace kolibra::studio
