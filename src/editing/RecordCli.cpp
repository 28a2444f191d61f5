#include "editing/RecordCli.h"

#include "editing/ImageSeries.h"
#include "editing/RecordMontage.h"
#include "kit/Texts.h"
#include "work/HeadlessWork.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

namespace kolibra::editing {

namespace record_cli_impl {

void Fail(QTextStream &err, const QString &file, const QString &reason) {
  err << QDir::toNativeSeparators(file) << ": " << QString(reason).replace(QLatin1Char('\n'), QLatin1Char(' '))
      << Qt::endl;
}

// Opens a video, or a work file with its montage.
bool OpenSource(work::THeadlessWork &work, const QString &source, QTextStream &err) {
  if (!QFileInfo(source).isFile()) {
    Fail(err, source, RecordCliText::tr("No such file."));
    return false;
  }
  if (QFileInfo(source).suffix().compare(QLatin1String("klb"), Qt::CaseInsensitive) == 0) {
    const work::TWorkLoadResult loaded = work.Load(source);
    if (!loaded.Loaded) {
      Fail(err, source, loaded.Error.join(QLatin1Char(' ')));
      return false;
    }
    if (!loaded.Warnings.isEmpty()) Fail(err, source, loaded.Warnings.join(QLatin1Char(' ')));
    return true;
  }
  if (!work.Video.Open(source)) {
    Fail(err, source, work.Video.OpenErrorText());
    return false;
  }
  return true;
}

// The size options into the dialog's model, as the user would set them.
bool ApplySize(TBoiteRecordMontageModel &model, const TCliWriteOptions &options, QTextStream &err) {
  const int w = model.SourceWidth();
  const int h = model.SourceHeight();
  if (options.Size) {
    model.SetEditImages(true);
    model.SetCropping(false);
    model.SetResizeWidth(options.Size->width());
    model.SetResizeHeight(options.Size->height());
    if (model.OutputWidth() != options.Size->width() || model.OutputHeight() != options.Size->height()) {
      err << RecordCliText::tr("The size must be from %1x%2 to %3x%4 for this video.")
                 .arg(std::min(model.MinWidth(), w))
                 .arg(std::min(model.MinHeight(), h))
                 .arg(model.ResizeMaxWidth())
                 .arg(model.ResizeMaxHeight())
          << Qt::endl;
      return false;
    }
  }
  if (options.Crop) {
    const QRect r = *options.Crop;
    model.SetEditImages(true);
    model.SetCropping(true);
    model.SetCrop(TBoiteRecordMontageModel::sdLeft, r.x());
    model.SetCrop(TBoiteRecordMontageModel::sdTop, r.y());
    model.SetCrop(TBoiteRecordMontageModel::sdRight, w - r.x() - r.width());
    model.SetCrop(TBoiteRecordMontageModel::sdBottom, h - r.y() - r.height());
    if (r.x() < 0 || r.y() < 0 || model.CropLeft() != r.x() || model.CropTop() != r.y() ||
        model.OutputWidth() != r.width() || model.OutputHeight() != r.height()) {
      err << RecordCliText::tr(
                 "The crop must lie inside the %1x%2 frame and keep at least %3x%4 pixels.")
                 .arg(w)
                 .arg(h)
                 .arg(model.MinWidth())
                 .arg(model.MinHeight())
          << Qt::endl;
      return false;
    }
  }
  return true;
}

bool ApplyCompression(TRecordMontage &writer, const TCliWriteOptions &options, QTextStream &err) {
  writer.Framework = options.Framework;
  writer.Codec = TVideoWriter::IsWithout(options.Codec) ? QString() : options.Codec;
  if (options.Quality) {
    if (*options.Quality < 10 || *options.Quality > 100) {
      err << RecordCliText::tr("The quality is a percentage from 10 to 100: %1")
                 .arg(*options.Quality)
          << Qt::endl;
      return false;
    }
    writer.Dialog.Quality = *options.Quality;
  }
  return true;
}

void Describe(QTextStream &out, const QString &file) {
  const TWrittenVideo back = ReadBackVideo(file);
  if (!back.Readable) {
    out << QDir::toNativeSeparators(file) << ": " << back.Text() << Qt::endl;
    return;
  }
  out << QDir::toNativeSeparators(file) << ": " << back.Frames << " frames, " << back.Width << 'x' << back.Height
      << ", " << QString::number(back.Rate, 'g', 10) << " fps" << Qt::endl;
}

}  // namespace record_cli_impl

using namespace record_cli_impl;

int WriteVideoCli(const QString &source, const QString &output, const TCliWriteOptions &options, QTextStream &out,
                  QTextStream &err) {
  work::THeadlessWork work;
  if (!OpenSource(work, source, err)) return 1;
  TRecordMontage writer(work.Video, work.Montage, QString());
  writer.PrepareForVideo(rkEditedVideo);
  writer.Dialog.InsertBlanks = options.InsertBlanks;
  if (options.Rate) writer.Dialog.FrameRate = *options.Rate;
  if (!ApplySize(writer.Dialog, options, err) || !ApplyCompression(writer, options, err)) return 1;
  if (!writer.WriteEditedVideo(output)) {
    Fail(err, output, writer.ErrorText);
    return 1;
  }
  Describe(out, output);
  return 0;
}

int WriteStillsCli(const QString &source, const QString &base, QTextStream &out, QTextStream &err) {
  work::THeadlessWork work;
  if (!OpenSource(work, source, err)) return 1;
  TRecordMontage writer(work.Video, work.Montage, QString());
  writer.PrepareForVideo(rkVideoToImages);
  if (!writer.WriteStills(base, false)) {
    Fail(err, base, writer.ErrorText);
    return 1;
  }
  out << writer.WrittenStills.size() << " images: " << QDir::toNativeSeparators(writer.WrittenStills.first())
      << " ... " << QDir::toNativeSeparators(writer.WrittenStills.last()) << Qt::endl;
  return 0;
}

int AssembleCli(const QString &output, const QStringList &images, const TCliWriteOptions &options, QTextStream &out,
                QTextStream &err) {
  if (!options.Rate) {
    err << RecordCliText::tr("The frame rate is required: --rate R") << Qt::endl;
    return 1;
  }
  work::THeadlessWork work;
  TRecordMontage writer(work.Video, work.Montage, QString());
  writer.Dialog.Kind = rkImagesToVideo;
  writer.Dialog.FrameRate = *options.Rate;
  if (!ApplyCompression(writer, options, err)) return 1;
  for (const QString &image : images)
    if (!QFileInfo(image).isFile()) {
      Fail(err, image, RecordCliText::tr("No such file."));
      return 1;
    }
  // The same order as the images chosen in the window: img2 before img10.
  QStringList ordered = images;
  SortNumerically(ordered);
  if (!writer.WriteImages(ordered, output)) {
    Fail(err, output, writer.ErrorText);
    return 1;
  }
  Describe(out, output);
  return 0;
}

}  // namespace kolibra::editing
