// Kolibra's AVI writer as files hold it: OpenDML parts that never pass their limit, each with
// its standard index, the AVI 1.0 index for the first part only, the headers patched at the
// end; empty slots that keep their time; and every reader reading the parts back.

#include "WriterTestSupport.h"
#include "editing/writers/VfwRecord.h"
#include "editing/writers/VideoWriters.h"
#include "video/AviParser.h"
#include "video/AviWriter.h"
#include "video/VfwPlay.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

namespace kolibra::editing {
namespace {

using testing::Grab;
using testing::MakeReader;
using testing::Psnr;
using testing::TestPicture;

uint32_t Le32(const QByteArray &B, qint64 At) { return qFromLittleEndian<quint32>(B.constData() + At); }
QByteArray Id(const QByteArray &B, qint64 At) { return B.mid(At, 4); }

struct TPart {
  QByteArray Type;  // "AVI " or "AVIX"
  qint64 Start = 0;
  qint64 Bytes = 0;  // header included
  qint64 Idx1Entries = -1;
};

// The top-level RIFF parts of a file, and the idx1 of each.
std::vector<TPart> Parts(const QByteArray &B) {
  std::vector<TPart> parts;
  qint64 pos = 0;
  while (pos + 12 <= B.size() && Id(B, pos) == "RIFF") {
    TPart p;
    p.Type = Id(B, pos + 8);
    p.Start = pos;
    p.Bytes = 8 + qint64(Le32(B, pos + 4));
    for (qint64 c = pos + 12; c + 8 <= pos + p.Bytes;) {
      const qint64 size = Le32(B, c + 4);
      if (Id(B, c) == "idx1") p.Idx1Entries = size / 16;
      c += 8 + size + (size & 1);
    }
    parts.push_back(p);
    pos += p.Bytes + (p.Bytes & 1);
  }
  return parts;
}

class AviWriterSplit : public ::testing::Test {
 protected:
  void TearDown() override { video::avi::TAviWriter::SetPartLimitForTesting(0); }
};

TEST_F(AviWriterSplit, PartsStayUnderTheLimitAndEveryReaderReadsThemAll) {
  constexpr qint64 limit = 64 * 1024;
  video::avi::TAviWriter::SetPartLimitForTesting(limit);
  for (const char *codec : {"without", "Motion JPEG"}) {
    SCOPED_TRACE(codec);
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("long.avi"));
    TVfwRecord writer;
    TWriterSettings settings;
    settings.Width = 64;
    settings.Height = 48;
    settings.Codec = QString::fromLatin1(codec);
    settings.Quality = 10000;
    // 9 KiB a frame uncompressed: some seven frames a part.
    const int frames = QLatin1String(codec) == QLatin1String("without") ? 40 : 400;
    QString reason;
    ASSERT_TRUE(testing::WriteClip(writer, file, settings, frames, reason)) << reason.toStdString();

    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    const std::vector<TPart> parts = Parts(bytes);
    ASSERT_GE(parts.size(), 4u);
    EXPECT_EQ(parts.front().Type, QByteArray("AVI "));
    qint64 end = 0;
    for (size_t i = 0; i < parts.size(); ++i) {
      EXPECT_LE(parts[i].Bytes, limit) << "part " << i;
      if (i > 0) {
        EXPECT_EQ(parts[i].Type, QByteArray("AVIX"));
        EXPECT_EQ(parts[i].Idx1Entries, -1) << "idx1 belongs to the first part only";
      }
      end = parts[i].Start + parts[i].Bytes;
    }
    EXPECT_EQ(end, bytes.size()) << "nothing after the last part";

    video::avi::TAviFileSource source;
    video::avi::TAviStream stream;
    QString error;
    ASSERT_TRUE(source.Open(file, error) && video::avi::ParseAvi(source, stream, error)) << error.toStdString();
    EXPECT_EQ(stream.RiffParts, int(parts.size()));
    EXPECT_EQ(stream.IndexKind, video::avi::ikOpenDml);
    EXPECT_EQ(int(stream.Slots.size()), frames);
    EXPECT_EQ(stream.Length, uint32_t(frames));
    // The first part's own frames: in idx1 and in the main header, as OpenDML has it.
    ASSERT_GT(parts.front().Idx1Entries, 0);
    EXPECT_LT(parts.front().Idx1Entries, frames);
    const qint64 avih = bytes.indexOf("avih");
    EXPECT_EQ(qint64(Le32(bytes, avih + 8 + 16)), parts.front().Idx1Entries);
    const qint64 dmlh = bytes.indexOf("dmlh");
    EXPECT_EQ(Le32(bytes, dmlh + 8), uint32_t(frames));

    EXPECT_EQ(testing::Probe(file).Frames, frames);
    for (const video::TFramework fw : {video::fwVfw, video::fwDS, video::fwFFMpeg}) {
      std::unique_ptr<video::TVideoPlay> reader = MakeReader(fw);
      reader->SetFileName(file);
      ASSERT_TRUE(reader->Opened()) << video::FrameworkName(fw).toStdString();
      EXPECT_EQ(reader->FrameCount(), frames) << video::FrameworkName(fw).toStdString();
      // A frame in the last part and one in the middle, by seeking.
      for (const int i : {frames - 1, frames / 2}) {
        reader->SetPosition(i);
        EXPECT_GE(Psnr(Grab(*reader), TestPicture(i, QSize(64, 48))), 28.0)
            << video::FrameworkName(fw).toStdString() << " frame " << i;
      }
    }
  }
}

// Slots without a new picture keep their time and show the picture before, also when the
// compressor holds pictures back (H.264 looks ahead).
TEST(AviWriterEmptySlots, KeepTheirPlaceBehindHeldBackPictures) {
  TVideoWriters writers(testing::KlbDll());
  struct TCase {
    video::TFramework Framework;
    const char *Codec;
  } cases[] = {{video::fwVfw, "without"},
               {video::fwVfw, "H.264"},
               {video::fwFFMpeg, "FFMpeg internal MPEG4 codec"},
               {video::fwDS, "without"}};
  // 0 picture 0, 1 empty, 2 picture 1, 3 empty, 4 empty, 5 picture 2
  const int shown[] = {0, 0, 1, 1, 1, 2};
  for (const TCase &c : cases) {
    SCOPED_TRACE(c.Codec);
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("gaps.avi"));
    TVideoWriter &writer = *writers.Writer(c.Framework);
    TWriterSettings settings;
    settings.Width = 64;
    settings.Height = 48;
    settings.Codec = QString::fromLatin1(c.Codec);
    settings.Quality = 10000;
    ASSERT_TRUE(writer.OpenOutput(file, settings));
    EXPECT_TRUE(writer.AddFrame(TestPicture(0, QSize(64, 48))));
    EXPECT_TRUE(writer.AddEmpty());
    EXPECT_TRUE(writer.AddFrame(TestPicture(1, QSize(64, 48))));
    EXPECT_TRUE(writer.AddEmpty());
    EXPECT_TRUE(writer.AddEmpty());
    EXPECT_TRUE(writer.AddFrame(TestPicture(2, QSize(64, 48))));
    ASSERT_TRUE(writer.Finish()) << writer.ErrorDetail().toStdString();
    EXPECT_EQ(writer.FramesWritten(), 6);
    video::TVfwPlay reader;
    reader.SetFileName(file);
    ASSERT_TRUE(reader.Opened()) << reader.ErrorText().toStdString();
    EXPECT_EQ(reader.FrameCount(), 6);
    for (int slot = 0; slot < 6; ++slot) {
      reader.SetPosition(slot);
      EXPECT_GE(Psnr(Grab(reader), TestPicture(shown[slot], QSize(64, 48))), 28.0) << "slot " << slot;
    }
  }
}

}  // namespace
}  // namespace kolibra::editing
