#pragma once
// Where the video tests find their clips, references and wrappers, and how they fingerprint
// a frame the way ffmpeg's framemd5 does (MD5 of the packed 24-bit rows).

#include "video/VideoPlay.h"

#include <QByteArray>
#include <QFileInfo>
#include <QImage>
#include <QString>
#include <QStringList>
#include <functional>
#include <ostream>

// Failures print texts as texts.
inline void PrintTo(const QString &Text, std::ostream *Out) { *Out << '"' << Text.toStdString() << '"'; }

namespace kolibra::video::testing {

QString Fixture(const QString &Name);
// The classroom video Name of the shared folder; empty when that folder is not there.
QString SharedVideo(const QString &Name);
QString RealKlbDll();
QString FakeKlbDll();
QString CliProgram();

// The per-frame MD5s of a framemd5 file, in order; empty when the file is missing.
QStringList ReferenceMd5(const QString &FrameMd5File);
// The MD5 of the reader's current frame drawn whole into a 24-bit picture; empty when the
// draw fails.
QString FrameMd5(TVideoPlay &Reader);

// The reader's current frame drawn whole into a 24-bit picture; null when the draw fails.
QImage Grab(TVideoPlay &Reader);
// The mean absolute difference of two pictures of one size, over every colour component;
// -1 when the sizes differ.
double MeanAbsDiff(const QImage &A, const QImage &B);
// Every frame of a file as the FFmpeg reader decodes it (the full decode from the start).
QList<QImage> FFmpegFrames(const QString &Path);
// The pictures of a raw 24-bit RGB file of Width x Height frames (the uncompressed source of
// the generated clips), read once and kept.
const QList<QImage> &SourcePictures(const QString &RawFile, int Width, int Height);
// Which of the pictures First ... Last of Source (bounded to it) Frame looks most like.
int MostLike(const QImage &Frame, const QList<QImage> &Source, int First, int Last);
// A file holding Bytes in a folder of the test's own.
QString WriteTemp(const QString &Name, const QByteArray &Bytes);

// Sets an environment variable for the life of the object (unsets it when Value is null).
class TScopedEnv {
 public:
  TScopedEnv(const char *Name, const QByteArray &Value);
  ~TScopedEnv();
  TScopedEnv(const TScopedEnv &) = delete;
  TScopedEnv &operator=(const TScopedEnv &) = delete;

 private:
  QByteArray FName;
  QByteArray FOld;
  bool FHadOld;
};

// A reader double: it opens the files whose names (without folder) it was given, as a
// 4 x 2 video of 10 frames at 25 per second, and fails the others with Reason.
class TStubPlay : public TVideoPlay {
 public:
  TStubPlay(TFramework Framework, QStringList Opens, QString Reason = QString(), TOpenFailure Kind = ofFile)
      : FKind(Framework), FOpens(std::move(Opens)), FReason(std::move(Reason)), FReasonKind(Kind) {
    Frame = QImage(4, 2, QImage::Format_RGB888);
    Frame.fill(Qt::black);
  }
  TFramework Framework() const override { return FKind; }
  void SetFileName(const QString &Name) override {
    FFileName = Name;
    Tried << QFileInfo(Name).fileName();
    Close();
    if (!FOpens.contains(QFileInfo(Name).fileName())) {
      SetError(FReason, FReason.isEmpty() ? ofUnknown : FReasonKind);
      return;
    }
    SetError(QString(), ofNone);
    FFrameWidth = Frame.width();
    FFrameHeight = Frame.height();
    FFrameCount = 10;
    FPosition = 0;
    SetRate(25.0);
    FOpened = true;
    if (OnOpen) OnOpen(this);
  }
  void Close() override {
    ResetFields();
    if (OnClose) OnClose(this);
  }
  void SetPosition(int Index) override { FPosition = qBound(0, Index, FFrameCount - 1); }
  bool ApplyRate(double Rate) { return SetRate(Rate); }

  QImage Frame;
  QStringList Tried;
  std::function<void()> DuringFetch;

 protected:
  const QImage *FetchFrame() override {
    if (DuringFetch) DuringFetch();
    return &Frame;
  }

 private:
  TFramework FKind;
  QStringList FOpens;
  QString FReason;
  TOpenFailure FReasonKind;
};

}  // namespace kolibra::video::testing
