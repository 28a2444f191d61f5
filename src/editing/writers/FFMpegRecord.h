#pragma once
// The "FFMpeg" writer: Kolibra's writer library KlbRff (editing/klbrff/KlbRff.h), loaded once
// at creation from the folder "KlbDll" beside the executable (or KOLIBRA_KLBDLL_DIR), like the
// FFmpeg reader's wrapper. Without the library the framework is not offered (Available()).
// Its one codec is "FFMpeg internal MPEG4 codec"; "without" writes 24-bit RGB bitmaps.
//
// The library's finish returns nothing; its optional status entry point tells whether the
// file was completed, so a full disk is reported instead of passing for success.

#include "editing/writers/VideoWriter.h"
#include "video/KlbDll.h"

#include <QString>

namespace kolibra::editing {

class TFFMpegRecord : public TVideoWriter {
 public:
  // An empty Folder means the reader's KlbDll folder.
  explicit TFFMpegRecord(const QString &Folder = QString());
  ~TFFMpegRecord() override;

  static QString LibraryFileName();
  static QString CodecName();
  static constexpr int MinimumVersion = 510;

  video::TFramework Framework() const override { return video::fwFFMpeg; }
  bool Available() const override { return FLibrary.IsLoaded(); }
  QStringList CodecNames(QSize Size) override;
  // 16 ... 16384 pixels a side.
  QSize AcceptedSize(const QString &Codec, QSize Size) override;
  QString ErrorText() const override;
  // Why the library could not be loaded (the loader's words), for diagnostics.
  const QString &LoadError() const { return FLibrary.Error(); }

 protected:
  bool PrepareCodec(const TWriterSettings &Settings, QSize Size) override;
  bool StartFile(const QString &TempFile) override;
  bool WriteFrame(const QImage &Rgb) override;
  bool WriteEmpty() override;
  bool EndFile() override;
  void AbortFile() override;

 private:
  struct TEntryPoints;
  bool LibraryError(TWriteError Code);

  video::TKlbDll FLibrary;
  TEntryPoints *FEntry = nullptr;
  bool FUseCodec = false;
  double FFps = 0.0;
  bool FFileOpen = false;
  QImage FLast;  // for an empty slot when the library has no empty chunks
};

}  // namespace kolibra::editing
