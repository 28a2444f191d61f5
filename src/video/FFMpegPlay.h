#pragma once
// The reader that decodes through Kolibra's own FFmpeg wrapper "KlbVff", loaded at run time
// from the folder "KlbDll" beside the executable (or the folder named by the environment
// variable KOLIBRA_KLBDLL_DIR), so that a machine without it still runs Kolibra and is told
// what is missing.
//
// The wrapper holds one open file per process. Each reader remembers its own file and
// position; when another reader has taken the wrapper meanwhile, the next call reopens this
// reader's file and seeks back before going on, so readers never see each other's frames.

#include "video/KlbDll.h"
#include "video/VideoPlay.h"

#include <QImage>
#include <QString>
#include <stdexcept>

namespace kolibra::video {

// Raised and caught inside OpenFile only: the file counts as not opened.
class EFileOpen : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TFFMpegPlay : public TVideoPlay {
 public:
  // An empty WrapperFolder means KlbDllFolder().
  explicit TFFMpegPlay(const QString &WrapperFolder = QString());
  ~TFFMpegPlay() override;

  // The folder "KlbDll" beside the executable, unless KOLIBRA_KLBDLL_DIR names another.
  static QString KlbDllFolder();
  // The wrapper's file name in that folder.
  static QString WrapperFileName();
  // The lowest wrapper version the reader works with.
  static constexpr int MinimumVersion = 510;

  TFramework Framework() const override { return fwFFMpeg; }
  void SetFileName(const QString &Name) override { OpenFile(Name); }
  void Close() override;
  void SetPosition(int Index) override;
  double Duration() const override { return FDuration; }
  int ExactFrameCount() override;
  std::vector<double> FrameTimes() override;

  // True when the wrapper is loaded, loading it now if it was not.
  bool LoadWrapper();
  // Opens Name; on failure ErrorText says why.
  bool OpenFile(const QString &Name);
  // The comment stored in the file; empty without the wrapper.
  QString GetComment(const QString &Name);
  // Why the wrapper could not be loaded (the loader's own words), for diagnostics.
  const QString &LoadError() const { return FLibrary.Error(); }

 protected:
  const QImage *FetchFrame() override;
  bool DrawFrame(QImage &Bitmap, const QRect &Source) override;

 private:
  struct TEntryPoints;
  void Open();
  bool Claim();
  void Unload();

  QString FFolder;
  TKlbDll FLibrary;
  TEntryPoints *FEntry = nullptr;
  double FDuration = 0.0;
  QImage FFrameBitmap;
  int FBitmapPosition = -1;  // the frame FFrameBitmap holds, -1 when none
};

}  // namespace kolibra::video
