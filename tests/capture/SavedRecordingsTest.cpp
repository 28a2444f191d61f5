// The recordings saved in a session: found again by their path, only while the file is the
// one saved and its video has the recording's slots.

#include "capture/SavedRecordings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace kolibra::capture::testing {
namespace {

bool WriteBytes(const QString &file, const QByteArray &bytes) {
  QFile out(file);
  return out.open(QIODevice::WriteOnly | QIODevice::Truncate) && out.write(bytes) == bytes.size();
}

TEST(SavedRecordings, AFileIsFoundOnlyAsItWasSaved) {
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("rec.avi"));
  ASSERT_TRUE(WriteBytes(file, QByteArray(100, 'x')));
  TSavedRecordings saved;
  saved.Add({file, video::TFrameRate(), 60, 57, {20, 21, 22}});
  const TRecordingResult *found = saved.Find(dir.filePath(QStringLiteral("./rec.avi")), 60);
  ASSERT_NE(found, nullptr) << "another spelling of the same path";
  EXPECT_EQ(found->LostSlots, (std::vector<int64_t>{20, 21, 22}));
  EXPECT_EQ(saved.Find(file, 59), nullptr) << "a reader that counts other frames";
  EXPECT_EQ(saved.Find(dir.filePath(QStringLiteral("other.avi")), 60), nullptr);

  // Saved again under that name: the newer recording replaces the older.
  saved.Add({file, video::TFrameRate(), 60, 59, {5}});
  EXPECT_EQ(saved.Count(), 1);
  ASSERT_NE(saved.Find(file, 60), nullptr);
  EXPECT_EQ(saved.Find(file, 60)->LostSlots, (std::vector<int64_t>{5}));

  // Written over since: another video, whose frames the lost slots do not name.
  ASSERT_TRUE(WriteBytes(file, QByteArray(120, 'y')));
  EXPECT_EQ(saved.Find(file, 60), nullptr);
  QFile::remove(file);
  EXPECT_EQ(saved.Find(file, 60), nullptr);
  saved.Add({file, video::TFrameRate(), 60, 60, {}});
  EXPECT_EQ(saved.Count(), 1) << "a file that is gone is not added";
}

}  // namespace
}  // namespace kolibra::capture::testing
