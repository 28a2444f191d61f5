#include "work/WorkFile.h"

#include "editing/Montage.h"
#include "formulas/Formules.h"
#include "kit/Texts.h"
#include "measurement/Data.h"
#include "results/ResRecord.h"
#include "video/VideoSources.h"
#include "videoview/VideoModel.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>

namespace kolibra::work {

namespace work_file_impl {

const QString DataSection = QStringLiteral("Data");
const QString VideoSection = QStringLiteral("Video");

QStringList Lines(const QString &text) { return text.split(QRegularExpression(QStringLiteral("\r?\n"))); }

// Where the stored video may be: its own path, then beside the work file.
QStringList VideoCandidates(const QString &stored, const QString &workFile) {
  QStringList candidates;
  if (!stored.isEmpty()) candidates << stored;
  const QString name = StoredFileName(stored);
  if (!name.isEmpty()) {
    const QString beside = QFileInfo(workFile).absoluteDir().filePath(name);
    if (!candidates.contains(beside)) candidates << beside;
  }
  return candidates;
}

}  // namespace work_file_impl

QString StoredFileName(const QString &storedPath) {
  const qsizetype slash = std::max(storedPath.lastIndexOf(QLatin1Char('/')), storedPath.lastIndexOf(QLatin1Char('\\')));
  return storedPath.mid(slash + 1);
}

// ---------------------------------------------------------------------------------------------
// Writing
// ---------------------------------------------------------------------------------------------

void WriteWork(const TWorkContext &work, TIniFile &ini) {
  using namespace measurement;
  ini.WriteInteger(WorkMainSection, WorkVersionKey, WorkFileVersion);
  const QString video = work.Video.VideoFileName();
  ini.WriteString(WorkMainSection, WorkVideoKey, video.isEmpty() ? video : QFileInfo(video).absoluteFilePath());
  work.Data.SaveToIni(ini);
  work.Video.SaveState(ini);
  work.Montage.SaveState(ini);
  if (work.Formulas != nullptr) work.Formulas->SaveToWorkFile(ini);
  if (work.Results != nullptr) results::WriteResRecord(*work.Results, ini);
}

TWorkSaveResult SaveWork(const TWorkContext &work, const QString &fileName) {
  measurement::TKlb klb;
  if (!klb.Open(fileName)) return wsOpenFailed;
  WriteWork(work, klb.Ini());
  return klb.Close() ? wsOk : wsWriteFailed;
}

QByteArray WorkFingerprint(const TWorkContext &work) {
  TIniFile ini = TIniFile::FromText(QString(), QString());
  WriteWork(work, ini);
  return WorkFingerprint(std::move(ini));
}

QByteArray WorkFingerprint(TIniFile ini) {
  using namespace work_file_impl;
  ini.EraseSection(VideoSection);
  for (const char *key : {"CurrentMarkOrderNumber_Grid", "CurrentMarkOrderNumber_Layer", "OrigineCurrentXCoordinate_Layer",
                          "OrigineCurrentYCoordinate_Layer", "LayerStage"})
    ini.DeleteKey(DataSection, QLatin1String(key));
  for (const QString &key : results::ResRecordViewKeys()) ini.DeleteKey(QLatin1String(results::ResultsSection), key);
  return QCryptographicHash::hash(ini.ToText().toUtf8(), QCryptographicHash::Sha1);
}

// ---------------------------------------------------------------------------------------------
// Reading
// ---------------------------------------------------------------------------------------------

TVideoProbe ProbeVideo(const QString &file, const QString &wrapperFolder) {
  TVideoProbe probe;
  if (!QFileInfo(file).isFile()) {
    probe.Reason = KlbText::tr("Unable to open this video file.");
    return probe;
  }
  video::TVideoSources sources(wrapperFolder);
  probe.Opened = sources.Open(file);
  if (probe.Opened) {
    probe.FrameCount = sources.Active()->FrameCount();
    sources.Active()->Close();
  } else {
    probe.Reason = sources.OpenErrorText();
  }
  return probe;
}

TWorkLoadResult LoadWork(const TWorkContext &work, const TWorkLoadRequest &request) {
  using namespace work_file_impl;
  TWorkLoadResult result;
  const auto fail = [&result](const QStringList &lines) {
    result.Error = lines;
    return result;
  };

  // 1. The whole file, parsed and checked in memory.
  TIniFile ini = TIniFile::FromText(request.FileName, QString());
  switch (measurement::TKlb::Read(request.FileName, ini)) {
    case measurement::krsOk:
      break;
    case measurement::krsMissing:
      return fail({KlbText::tr("Unable to open this work file."),
                   KlbText::tr("Check that it has not been moved.")});
    case measurement::krsTooLarge:
      return fail({KlbText::tr("This file is too large to be a Kolibra work file."),
                   KlbText::tr("Work files are never larger than 128 MiB.")});
    case measurement::krsUnreadable:
      return fail({KlbText::tr("Unable to read this work file."),
                   KlbText::tr("Check that you may read it.")});
  }
  const QString stored = ini.ReadString(measurement::WorkMainSection, measurement::WorkVideoKey, QString()).trimmed();
  if (stored.isEmpty())
    return fail({KlbText::tr("This is not a Kolibra work file: it names no video.")});

  // 2. The video: where the file says, then beside the file, then wherever the user says.
  const auto probe = [&request](const QString &file) {
    return request.Probe ? request.Probe(file) : ProbeVideo(file, request.WrapperFolder);
  };
  TVideoProbe found;
  QString video;
  for (const QString &candidate : VideoCandidates(stored, request.BesideFile.isEmpty() ? request.FileName : request.BesideFile)) {
    found = probe(candidate);
    if (found.Opened) {
      video = candidate;
      break;
    }
  }
  if (video.isEmpty()) {
    if (!request.LocateVideo)
      return fail({KlbText::tr("Unable to open this video file."),
                   KlbText::tr("Check that it has not been moved."), stored});
    const QString chosen = request.LocateVideo(stored);
    if (chosen.isEmpty()) {
      result.Cancelled = true;
      return result;
    }
    found = probe(chosen);
    if (!found.Opened)
      return fail(
          QStringList{
              chosen, QString(),
              KlbText::tr("Can not open this video file. Possible Problems and suggestions:")} +
          Lines(found.Reason));
    video = chosen;
  }
  const int frames = found.FrameCount;

  // 3. The video editing, checked against the video found.
  editing::TMontageState montage;
  QString reason;
  int storedFrames = frames;
  const editing::TMontageRead montageRead = editing::ReadMontageState(ini, frames, montage, reason, storedFrames);
  if (montageRead == editing::mrDamaged)
    return fail({KlbText::tr("This work file is damaged:"), reason});

  // 4. Nothing failed: the current work gives way, if the user agrees.
  if (request.BeforeChange && !request.BeforeChange()) {
    result.Cancelled = true;
    return result;
  }
  const bool opened = request.OpenVideo ? request.OpenVideo(video) : work.Video.Open(video);
  if (!opened || !work.Video.IsOpen()) {
    result.ViewOpenFailed = true;
    return fail(QStringList{KlbText::tr(
                    "Can not open this video file. Possible Problems and suggestions:")} +
                Lines(work.Video.OpenErrorText()));
  }
  result.VideoFile = work.Video.VideoFileName();
  result.VideoMoved = QFileInfo(video) != QFileInfo(stored);
  // Another reader than the probe's may count the frames of an odd file differently.
  const int openedFrames = work.Video.FrameCount();
  const bool mismatch = montageRead == editing::mrMismatch || (montageRead == editing::mrOk && openedFrames != frames);
  if (montageRead == editing::mrOk && !mismatch) work.Montage.SetState(montage);

  // The marks lie on the pictures as they were shown: stored, or upright.
  work.Video.SetOrientationIgnored(ini.ReadBool(VideoSection, QStringLiteral("IgnoreRotation"), false));
  work.Data.LoadFromIni(ini);
  const TMontage &kept = work.Montage;
  const int removed = work.Data.KeepFramesOnly(
      [&kept, openedFrames](int frame) { return frame >= 0 && frame < openedFrames && kept.IsKept(frame); });
  if (work.Data.FramesNumberBetweenTwoMarks() > std::max(1, openedFrames - 1))
    work.Data.SetFramesNumberBetweenTwoMarks(std::max(1, openedFrames - 1));
  if (work.Formulas != nullptr) work.Formulas->LoadFromWorkFile(ini);
  if (work.Results != nullptr) *work.Results = results::ReadResRecord(ini);

  // 5. The view as it was: the marking mode, then the frame (among the kept ones).
  const bool layer = ini.ReadBool(VideoSection, QStringLiteral("MarkingMode"), false);
  work.Video.SetMode(layer ? videoview::vmTransparent : videoview::vmRepereFixe);
  const int frame = std::clamp(ini.ReadInteger(VideoSection, QStringLiteral("ImageNumber"), 0), 0, std::max(0, openedFrames - 1));
  work.Video.SetFrame(kept.NearestKept(frame));
  work.Video.ViewChanged();
  work.Video.Invalidate();

  if (mismatch) {
    result.Warnings
        << KlbText::tr(
               "The video has %1 frames, but the work was measured on a video of %2 frames.")
               .arg(openedFrames)
               .arg(storedFrames)
        << KlbText::tr(
               "Its video editing is dropped, and the marks past the last frame are removed.");
  } else if (removed > 0) {
    result.Warnings << KlbText::tr(
                           "%1 marks lay on frames the video does not show; they were removed.")
                           .arg(removed);
  }
  result.Loaded = true;
  return result;
}

}  // namespace kolibra::work
