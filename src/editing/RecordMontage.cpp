// The frame loops of the writer and its settings; the dialogs around them are in
// RecordCommands.cpp.

#include "editing/RecordMontage.h"

#include "editing/ImageSeries.h"
#include "editing/Montage.h"
#include "kit/IniFile.h"
#include "kit/Texts.h"
#include "measurement/Data.h"
#include "video/VideoSources.h"
#include "videoview/VideoModel.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QSaveFile>
#include <QTransform>
#include <cmath>

namespace kolibra::editing {

namespace record {

const QString Section = QStringLiteral("Montage");

int Percent(int done, int total) { return total <= 0 ? 100 : int(std::lround(done * 100.0 / total)); }

bool SameFile(const QString &a, const QString &b) {
  if (a.isEmpty() || b.isEmpty()) return false;
  const QFileInfo fa(a);
  const QFileInfo fb(b);
  if (fa.exists() && fb.exists()) return fa.canonicalFilePath() == fb.canonicalFilePath();
  return fa.absoluteFilePath() == fb.absoluteFilePath();
}

}  // namespace record

QString TWrittenVideo::Text() const {
  if (!Readable) return WrittenVideoText::tr("Kolibra cannot read it back: %1").arg(Reason);
  return WrittenVideoText::tr("Read back: %1 frames, %2 x %3 pixels, %4 frames per second")
      .arg(Frames)
      .arg(Width)
      .arg(Height)
      .arg(QString::number(Rate, 'g', 10));
}

TWrittenVideo ReadBackVideo(const QString &fileName, const QString &wrapperFolder) {
  TWrittenVideo result;
  video::TVideoSources sources(wrapperFolder);
  if (!sources.Open(fileName)) {
    result.Reason = sources.OpenErrorText();
    return result;
  }
  const video::TVideoPlay *reader = sources.Active();
  result.Readable = true;
  result.Frames = reader->FrameCount();
  result.Width = reader->FrameWidth();
  result.Height = reader->FrameHeight();
  result.Rate = reader->FrameRate();
  return result;
}

TRecordMontage::TRecordMontage(videoview::TVideoModel &video, TMontage &montage, const QString &optionsFile,
                               const QString &klbDllFolder)
    : Video(video),
      Montage(montage),
      FOptionsFile(optionsFile),
      FKlbDllFolder(klbDllFolder),
      FWriters(std::make_unique<TVideoWriters>(klbDllFolder)) {}

TRecordMontage::~TRecordMontage() = default;

// ---------------------------------------------------------------------------------------------
// Settings
// ---------------------------------------------------------------------------------------------

QString TRecordMontage::FrameworkName(video::TFramework framework) { return video::FrameworkName(framework); }

void TRecordMontage::ReadSettings() {
  if (!FSettingsPending) return;
  FSettingsPending = false;
  if (FOptionsFile.isEmpty()) return;
  const TIniFile ini(FOptionsFile);
  FSavedFramework = ini.ReadString(record::Section, QStringLiteral("Framework"), QString());
  FSavedCodec = ini.ReadString(record::Section, QStringLiteral("Codec"), QString());
}

void TRecordMontage::ApplySavedSettings() {
  Framework = video::fwVfw;
  for (video::TFramework framework : FWriters->Frameworks())
    if (FrameworkName(framework).compare(FSavedFramework, Qt::CaseInsensitive) == 0) Framework = framework;
  Codec.clear();
  for (const QString &name : CodecNames())
    if (name.compare(FSavedCodec, Qt::CaseInsensitive) == 0) Codec = name;
}

bool TRecordMontage::WriteSettings() const {
  if (FSettingsPending || FOptionsFile.isEmpty() || !QFileInfo(FOptionsFile).absoluteDir().exists()) return false;
  TIniFile ini(FOptionsFile);
  ini.WriteString(record::Section, QStringLiteral("Framework"), FrameworkName(Framework));
  ini.WriteString(record::Section, QStringLiteral("Codec"), Codec);
  return ini.UpdateFile();
}

QStringList TRecordMontage::CodecNames() const {
  TVideoWriter *writer = FWriters->Writer(Framework);
  if (writer == nullptr || !writer->Available()) return {};
  return writer->CodecNames(QSize(Dialog.OutputWidth(), Dialog.OutputHeight()));
}

TWriterSettings TRecordMontage::WriterSettings() const {
  TWriterSettings settings;
  settings.Width = Dialog.OutputWidth();
  settings.Height = Dialog.OutputHeight();
  settings.Rate = video::TFrameRate::Nearest(Dialog.FrameRate);
  settings.Codec = Codec;
  settings.Quality = Dialog.Quality * 100;
  settings.KeyFrameEvery = Dialog.KeyFrameEvery;
  settings.Overwrite = false;
  return settings;
}

void TRecordMontage::PrepareForVideo(TRecordKind kind) {
  Dialog.Kind = kind;
  if (Dialog.SourceWidth() != Video.FrameWidth() || Dialog.SourceHeight() != Video.FrameHeight()) {
    Dialog.SetSourceWidth(Video.FrameWidth());
    Dialog.SetSourceHeight(Video.FrameHeight());
    Dialog.ResetSize();
  }
  Dialog.TotalImages = Montage.Count();
  Dialog.TotalWithBlanks = Montage.Count() + Montage.MissingFramesCount();
  if (kind == rkEditedVideo) Dialog.FrameRate = Video.FrameRate();
}

// ---------------------------------------------------------------------------------------------
// State
// ---------------------------------------------------------------------------------------------

void TRecordMontage::Reset() {
  Dialog.SetSourceWidth(Video.FrameWidth());
  Dialog.SetSourceHeight(Video.FrameHeight());
  Dialog.ResetSize();
}

void TRecordMontage::PlaybackInterrupted() {
  if (!FWriting) return;
  FStopRequested = true;
  ErrorText = RecordMontageText::tr("The video playback was interrupted.");
}

void TRecordMontage::Cancel() {
  if (!FWriting) return;
  FStopRequested = true;
  FCancelled = true;
  ErrorText = RecordMontageText::tr("Process cancelled");
}

void TRecordMontage::SetWriting(bool writing) {
  FWriting = writing;
  if (!writing) FStopRequested = false;
  if (OnWritingChange) OnWritingChange(writing);
}

void TRecordMontage::Progress(int percent) {
  if (OnProgress) OnProgress(percent);
}

void TRecordMontage::Pump() {
  if (ProcessEvents) ProcessEvents();
}

bool TRecordMontage::CheckTarget(const QString &outputFile) {
  if (outputFile.isEmpty()) {
    ErrorText = RecordMontageText::tr("No file name was given.");
    return false;
  }
  if (Video.IsOpen() && record::SameFile(outputFile, Video.VideoFileName())) {
    ErrorText = RecordMontageText::tr("This file is the open video: choose a different file name.");
    return false;
  }
  if (QFileInfo::exists(outputFile)) {
    ErrorText =
        RecordMontageText::tr("A file with this name already exists in the selected directory.");
    return false;
  }
  if (!QFileInfo(outputFile).absoluteDir().exists()) {
    ErrorText = RecordMontageText::tr("The folder of this file does not exist.");
    return false;
  }
  return true;
}

// ---------------------------------------------------------------------------------------------
// Frames
// ---------------------------------------------------------------------------------------------

bool TRecordMontage::RenderFrame(int videoFrame, QImage &out) {
  Video.SetFrame(videoFrame);
  if (FStopRequested) return false;
  const int w = Video.FrameWidth();
  const int h = Video.FrameHeight();
  if (FFull.width() != w || FFull.height() != h) FFull = QImage(w, h, QImage::Format_RGB888);
  if (!Video.DrawFrame(FFull, QRect(0, 0, w, h), video::SrcCopy)) return false;
  if (Dialog.DrawMarks && Video.Document() != nullptr) {
    // The document draws for the view's screen: map the view's pixels back onto the frame's.
    const TPoint s0 = Video.FrameToScreen(TPointD(0.0, 0.0));
    const TPoint s1 = Video.FrameToScreen(TPointD(1.0, 1.0));
    if (s1.X != s0.X && s1.Y != s0.Y) {
      QPainter painter(&FFull);
      painter.setRenderHint(QPainter::Antialiasing);
      QTransform transform;
      transform.scale(double(w) / (s1.X - s0.X), double(h) / (s1.Y - s0.Y));
      transform.translate(-s0.X, -s0.Y);
      painter.setTransform(transform);
      painter.setFont(QFont(QStringLiteral("Arial"), 10));
      Video.Document()->Paint(&painter);
    }
  }
  if (Dialog.ResizeApplies()) {
    out = FFull.scaled(Dialog.OutputWidth(), Dialog.OutputHeight(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  } else if (Dialog.CropApplies()) {
    out = FFull.copy(Dialog.CropLeft(), Dialog.CropTop(), Dialog.OutputWidth(), Dialog.OutputHeight());
  } else {
    out = FFull;
  }
  return true;
}

bool TRecordMontage::EndVideo(TVideoWriter &writer, bool ok) {
  if (ok && !FStopRequested) {
    ok = writer.Finish();
  } else {
    writer.Cancel();
    ok = false;
  }
  if (!ok && ErrorText.isEmpty()) {
    ErrorText = writer.ErrorText();
    if (!writer.ErrorDetail().isEmpty()) ErrorText += QLatin1Char('\n') + writer.ErrorDetail();
  }
  return ok;
}

bool TRecordMontage::WriteEditedVideo(const QString &outputFile) {
  ErrorText.clear();
  FCancelled = false;
  OutputFile = outputFile;
  if (!Video.IsOpen()) {
    ErrorText = RecordMontageText::tr("No video is open.");
    return false;
  }
  if (!CheckTarget(outputFile)) return false;
  TVideoWriter *writer = FWriters->Writer(Framework);
  if (writer == nullptr || !writer->Available()) {
    ErrorText = RecordMontageText::tr("This framework cannot write videos here: %1")
                    .arg(FrameworkName(Framework));
    return false;
  }
  // The dialog holds the video's own rate unless the user (or kolibra-cli) chose another.
  const TWriterSettings settings = WriterSettings();
  const int remembered = Video.CurrentFrame();
  SetWriting(true);
  FStopRequested = false;
  bool ok = writer->OpenOutput(outputFile, settings);
  const int total = Montage.Count() + Montage.MissingFramesCount();
  int written = 0;
  int previous = -1;
  QImage blank;
  QImage frame;
  for (int q = 0; ok && !FStopRequested && q < Montage.FrameCount(); ++q) {
    if (!Montage.IsKept(q)) continue;
    if (Dialog.InsertBlanks) {
      const int slot = Montage.Slot(q);
      if (slot - previous >= 2 && blank.isNull()) {
        blank = QImage(Dialog.OutputWidth(), Dialog.OutputHeight(), QImage::Format_RGB888);
        blank.fill(QColor(192, 192, 192));
      }
      for (int b = 0; ok && b < slot - previous - 1; ++b) {
        ok = writer->AddFrame(blank);
        Progress(record::Percent(++written, total));
      }
      previous = slot;
    }
    if (!ok) break;
    if (!RenderFrame(q, frame)) {
      // A frame that cannot be drawn stops the run: writing the previous picture again would
      // put a wrong frame in the video without a word.
      if (ErrorText.isEmpty())
        ErrorText = RecordMontageText::tr("The video playback was interrupted.");
      FStopRequested = true;
      break;
    }
    ok = writer->AddFrame(frame);
    Progress(record::Percent(++written, total));
    Pump();
  }
  ok = EndVideo(*writer, ok);
  FFull = QImage();
  Progress(101);
  SetWriting(false);
  Video.SetFrame(remembered);
  Video.Repaint();
  return ok;
}

bool TRecordMontage::WriteStills(const QString &base, bool overwrite) {
  ErrorText.clear();
  FCancelled = false;
  WrittenStills.clear();
  if (!Video.IsOpen()) {
    ErrorText = RecordMontageText::tr("No video is open.");
    return false;
  }
  const int count = Montage.Count();
  const int digits = StillDigits(count);
  if (!QFileInfo(base).absoluteDir().exists()) {
    ErrorText = RecordMontageText::tr("The folder of this file does not exist.");
    return false;
  }
  if (!overwrite) {
    const QStringList existing = ExistingStills(base, count);
    if (!existing.isEmpty()) {
      ErrorText = RecordMontageText::tr("%1 images of this name already exist, such as %2")
                      .arg(existing.size())
                      .arg(existing.first());
      return false;
    }
  }
  const int remembered = Video.CurrentFrame();
  SetWriting(true);
  FStopRequested = false;
  bool ok = true;
  QImage frame;
  int index = 0;
  for (int q = 0; ok && q < Montage.FrameCount(); ++q) {
    if (!Montage.IsKept(q)) continue;
    Pump();
    if (FStopRequested) {
      ok = false;
      break;
    }
    if (!RenderFrame(q, frame)) {
      if (ErrorText.isEmpty())
        ErrorText = RecordMontageText::tr("The video playback was interrupted.");
      ok = false;
      break;
    }
    const QString name = StillFileName(base, index, digits);
    // Each picture appears whole or not at all.
    QSaveFile file(name);
    if (!file.open(QIODevice::WriteOnly) || !frame.save(&file, "BMP") || !file.commit()) {
      ErrorText = RecordMontageText::tr("Unable to write the image file %1: %2")
                      .arg(name, file.errorString());
      ok = false;
      break;
    }
    WrittenStills << name;
    ++index;
    Progress(record::Percent(index, count));
  }
  if (!ok && FStopRequested && ErrorText.isEmpty())
    ErrorText = RecordMontageText::tr("Process cancelled");
  FFull = QImage();
  Progress(101);
  SetWriting(false);
  Video.SetFrame(remembered);
  Video.Repaint();
  return ok;
}

bool TRecordMontage::WriteImages(const QStringList &files, const QString &outputFile) {
  ErrorText.clear();
  FCancelled = false;
  OutputFile = outputFile;
  if (files.isEmpty()) {
    ErrorText = RecordMontageText::tr("No image was chosen.");
    return false;
  }
  if (!(Dialog.FrameRate > 0.0) || !video::TFrameRate::Nearest(Dialog.FrameRate).IsValid()) {
    ErrorText = RecordMontageText::tr("The frame rate must be above 0.");
    return false;
  }
  if (!CheckTarget(outputFile)) return false;
  for (const QString &file : files) {
    if (record::SameFile(file, outputFile)) {
      ErrorText =
          RecordMontageText::tr("This file is one of the images: choose a different file name.");
      return false;
    }
  }
  const QImage first(files.first());
  if (first.isNull()) {
    ErrorText = RecordMontageText::tr("Unable to read the image file %1").arg(files.first());
    return false;
  }
  TVideoWriter *writer = FWriters->Writer(Framework);
  if (writer == nullptr || !writer->Available()) {
    ErrorText = RecordMontageText::tr("This framework cannot write videos here: %1")
                    .arg(FrameworkName(Framework));
    return false;
  }
  TWriterSettings settings = WriterSettings();
  settings.Width = first.width();
  settings.Height = first.height();
  SetWriting(true);
  FStopRequested = false;
  bool ok = writer->OpenOutput(outputFile, settings);
  for (int i = 0; ok && i < files.size(); ++i) {
    Pump();
    if (FStopRequested) break;
    const QImage image = i == 0 ? first : QImage(files[i]);
    if (image.isNull()) {
      ErrorText = RecordMontageText::tr("Unable to read the image file %1").arg(files[i]);
      ok = false;
    } else if (image.size() != first.size()) {
      ErrorText = RecordMontageText::tr("The image %1 is %2 x %3 pixels; the first one is %4 x %5.")
                      .arg(files[i])
                      .arg(image.width())
                      .arg(image.height())
                      .arg(first.width())
                      .arg(first.height());
      ok = false;
    } else {
      ok = writer->AddFrame(image);
      Progress(record::Percent(i + 1, int(files.size())));
    }
  }
  ok = EndVideo(*writer, ok);
  Progress(101);
  SetWriting(false);
  return ok;
}

}  // namespace kolibra::editing
