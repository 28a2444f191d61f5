#include "editing/writers/VideoWriters.h"

#include "editing/writers/DSRecord.h"
#include "editing/writers/FFMpegRecord.h"
#include "editing/writers/VfwRecord.h"

#include <QCoreApplication>

namespace kolibra::editing {

TVideoWriters::TVideoWriters(const QString &KlbDllFolder) {
  FWriters[video::fwVfw] = std::make_unique<TVfwRecord>();
  FWriters[video::fwDS] = std::make_unique<TDSRecord>();
  FWriters[video::fwFFMpeg] = std::make_unique<TFFMpegRecord>(KlbDllFolder);
}

TVideoWriters::~TVideoWriters() = default;

std::vector<video::TFramework> TVideoWriters::Frameworks() const {
  std::vector<video::TFramework> list;
  for (const video::TFramework f : {video::fwVfw, video::fwDS, video::fwFFMpeg})
    if (FWriters[f] && FWriters[f]->Available()) list.push_back(f);
  return list;
}

QStringList TVideoWriters::FrameworkNames() const {
  QStringList names;
  for (const video::TFramework f : Frameworks()) names << video::FrameworkName(f);
  return names;
}

int ListCodecs(TVideoWriters &Writers, video::TFramework Framework, QSize Size, QTextStream &Out, QTextStream &Err) {
  TVideoWriter *writer = Writers.Writer(Framework);
  if (!writer || !writer->Available()) {
    Err << QCoreApplication::translate("VideoWriters", "The framework %1 cannot write videos on this computer.")
               .arg(video::FrameworkName(Framework))
        << Qt::endl;
    return 1;
  }
  if (Size.width() <= 0 || Size.height() <= 0) {
    Err << QCoreApplication::translate("VideoWriters", "The frame size must be positive.") << Qt::endl;
    return 1;
  }
  Out << TVideoWriter::WithoutName() << '\n';
  for (const QString &name : writer->CodecNames(Size)) Out << name << '\n';
  Out.flush();
  return 0;
}

}  // namespace kolibra::editing
