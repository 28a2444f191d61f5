#pragma once
// The three writers, one per framework, created together and kept for the run, as the
// edited-video writer owns them; the frameworks offered are those that can write here.

#include "editing/writers/VideoWriter.h"

#include <QSize>
#include <QString>
#include <QStringList>
#include <QTextStream>
#include <array>
#include <memory>
#include <vector>

namespace kolibra::editing {

class TVideoWriters {
 public:
  // KlbDllFolder: where the FFmpeg writer library is looked for (empty: the reader's folder).
  explicit TVideoWriters(const QString &KlbDllFolder = QString());
  ~TVideoWriters();

  TVideoWriter *Writer(video::TFramework Framework) const { return FWriters[Framework].get(); }
  // Video for Windows, DirectShow, then FFmpeg when each can write.
  std::vector<video::TFramework> Frameworks() const;
  // Their names as the user sees them ("Video for Windows", "DirectShow", "FFMpeg").
  QStringList FrameworkNames() const;

 private:
  std::array<std::unique_ptr<TVideoWriter>, 3> FWriters;
};

// kolibra-cli codecs: prints "without" and then each codec Framework offers at Size, one per
// line, exactly as a later --codec takes them. 1 with the reason on Err when the framework
// cannot write here.
int ListCodecs(TVideoWriters &Writers, video::TFramework Framework, QSize Size, QTextStream &Out, QTextStream &Err);

}  // namespace kolibra::editing
