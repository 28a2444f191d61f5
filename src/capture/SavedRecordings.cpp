#include "capture/SavedRecordings.h"

#include <QFileInfo>
#include <algorithm>

namespace kolibra::capture {

void TSavedRecordings::Add(const TRecordingResult &recording) {
  const QFileInfo info(recording.FileName);
  const QString path = info.canonicalFilePath();
  if (path.isEmpty()) return;
  std::erase_if(Entries, [&path](const TEntry &entry) { return entry.Path == path; });
  Entries.push_back({recording, path, info.size(), info.lastModified()});
}

const TRecordingResult *TSavedRecordings::Find(const QString &fileName, int64_t frames) const {
  const QFileInfo info(fileName);
  const QString path = info.canonicalFilePath();
  if (path.isEmpty()) return nullptr;
  const auto found = std::find_if(Entries.begin(), Entries.end(), [&path](const TEntry &entry) { return entry.Path == path; });
  if (found == Entries.end() || found->Size != info.size() || found->Modified != info.lastModified() ||
      found->Recording.Slots != frames)
    return nullptr;
  return &found->Recording;
}

}  // namespace kolibra::capture
