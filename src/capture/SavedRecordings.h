#pragma once
// TSavedRecordings: the recordings saved in this session, remembered so that opening one
// later hands its lost slots to the montage as missing frames (the times then need no
// editing). A file is recognised by its path, and only while its size and modification time
// are those it had when saved and it holds as many frames as the recording had slots: a
// file written over since is another video, whose frames the lost slots would not name.

#include "capture/Capture.h"

#include <QDateTime>
#include <QString>
#include <cstdint>
#include <vector>

namespace kolibra::capture {

class TSavedRecordings {
 public:
  // The recording as saved (its FileName set); a recording saved again under the same name
  // replaces the one before.
  void Add(const TRecordingResult &recording);
  // The recording saved as fileName, when the file is unchanged and the video opened from it
  // has frames frames; nullptr otherwise.
  const TRecordingResult *Find(const QString &fileName, int64_t frames) const;
  int Count() const { return int(Entries.size()); }

 private:
  struct TEntry {
    TRecordingResult Recording;
    QString Path;  // canonical
    int64_t Size = 0;
    QDateTime Modified;
  };
  std::vector<TEntry> Entries;
};

}  // namespace kolibra::capture
