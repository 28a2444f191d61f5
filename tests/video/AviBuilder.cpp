#include "AviBuilder.h"

#include <QFile>
#include <algorithm>

namespace kolibra::video::testing {

namespace avibuilder {

// Writes forward, with holes, and patches sizes once they are known.
class TOut {
 public:
  int64_t Pos() const { return FPos; }
  void Put(const QByteArray &Bytes) {
    Current().append(Bytes);
    FPos += Bytes.size();
  }
  void Put16(uint16_t v) { Put(QByteArray(reinterpret_cast<const char *>(&v), 2)); }
  void Put32(uint32_t v) { Put(QByteArray(reinterpret_cast<const char *>(&v), 4)); }
  void Put64(uint64_t v) { Put(QByteArray(reinterpret_cast<const char *>(&v), 8)); }
  void PutTag(const QByteArray &Tag) { Put(Tag.left(4).leftJustified(4, ' ')); }
  void Zeros(int n) { Put(QByteArray(n, '\0')); }
  void Hole(int64_t n) {
    FPos += n;
    FOpen = false;
  }
  void Patch32(int64_t At, uint32_t v) { Patch(At, QByteArray(reinterpret_cast<const char *>(&v), 4)); }
  void Patch64(int64_t At, uint64_t v) { Patch(At, QByteArray(reinterpret_cast<const char *>(&v), 8)); }
  // A chunk header; returns where its size goes.
  int64_t Begin(const QByteArray &Id, const QByteArray &ListType = QByteArray()) {
    PutTag(Id);
    const int64_t sizeAt = FPos;
    Put32(0);
    if (!ListType.isEmpty()) PutTag(ListType);
    return sizeAt;
  }
  void End(int64_t SizeAt) {
    const int64_t size = FPos - (SizeAt + 4);
    Patch32(SizeAt, uint32_t(size));
    if (size & 1) Zeros(1);
  }
  TAviBytes Bytes() const {
    TAviBytes b;
    b.Pieces = FPieces;
    b.Size = FPos;
    return b;
  }

 private:
  QByteArray &Current() {
    if (!FOpen) {
      FPieces.emplace_back(FPos, QByteArray());
      FOpen = true;
    }
    return FPieces.back().second;
  }
  void Patch(int64_t At, const QByteArray &Bytes) {
    for (auto &[start, bytes] : FPieces) {
      if (At >= start && At + Bytes.size() <= start + bytes.size()) {
        bytes.replace(At - start, Bytes.size(), Bytes);
        return;
      }
    }
  }
  std::vector<std::pair<int64_t, QByteArray>> FPieces;
  int64_t FPos = 0;
  bool FOpen = false;
};

struct TWritten {
  QByteArray Id;
  int64_t Header = 0;
  int64_t Data = 0;
  uint32_t Size = 0;
  bool Key = false;
  bool Video = false;
};

QByteArray Id(int Stream, const char *Kind) { return QByteArray::number(Stream).rightJustified(2, '0') + Kind; }

}  // namespace avibuilder

uint32_t FourCC(const char (&Text)[5]) {
  return uint32_t(uint8_t(Text[0])) | uint32_t(uint8_t(Text[1])) << 8 | uint32_t(uint8_t(Text[2])) << 16 |
         uint32_t(uint8_t(Text[3])) << 24;
}

QByteArray BitmapInfo(int Width, int Height, int BitCount, uint32_t Compression, const QByteArray &Extra,
                      uint32_t ClrUsed) {
  avibuilder::TOut out;
  out.Put32(40);
  out.Put32(uint32_t(Width));
  out.Put32(uint32_t(Height));
  out.Put16(1);
  out.Put16(uint16_t(BitCount));
  out.Put32(Compression);
  out.Put32(0);
  out.Put32(0);
  out.Put32(0);
  out.Put32(ClrUsed);
  out.Put32(0);
  out.Put(Extra);
  return out.Bytes().Whole();
}

QByteArray TAviBytes::Whole() const {
  QByteArray all(Size, '\0');
  for (const auto &[start, bytes] : Pieces) all.replace(start, bytes.size(), bytes);
  return all;
}

bool TAviBytes::Write(const QString &Path) const {
  QFile file(Path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  for (const auto &[start, bytes] : Pieces) {
    if (!file.seek(start) || file.write(bytes) != bytes.size()) return false;
  }
  return file.resize(Size);
}

TAviBytes BuildAvi(const TAviShape &Shape, const QList<TAviChunkData> &Chunks) {
  using namespace avibuilder;
  TOut out;
  const int video = Shape.SoundFirst ? 1 : 0;
  const uint32_t compression =
      Shape.Format.size() >= 20 ? *reinterpret_cast<const uint32_t *>(Shape.Format.data() + 16) : 0;
  const QByteArray videoId = Id(video, compression == 0 || compression == 3 ? "db" : "dc");
  const bool odml = Shape.Index == TAviShape::OpenDml;
  const int perPart = odml && Shape.ChunksPerPart > 0 ? Shape.ChunksPerPart : std::max<int>(1, Chunks.size());
  const int parts = std::max<int>(1, (Chunks.size() + perPart - 1) / perPart);
  const int width = Shape.Format.size() >= 12 ? *reinterpret_cast<const int32_t *>(Shape.Format.data() + 4) : 0;
  const int height = Shape.Format.size() >= 12 ? *reinterpret_cast<const int32_t *>(Shape.Format.data() + 8) : 0;

  const int64_t riff = out.Begin("RIFF", "AVI ");
  const int64_t hdrl = out.Begin("LIST", "hdrl");
  const int64_t avih = out.Begin("avih");
  out.Put32(uint32_t(1000000.0 * Shape.Scale / std::max<uint32_t>(1, Shape.Rate)));
  out.Put32(0);
  out.Put32(0);
  out.Put32(Shape.Index == TAviShape::NoIndex ? 0 : 0x10);
  out.Put32(uint32_t(std::min<int>(perPart, Chunks.size())));
  out.Put32(0);
  out.Put32(Shape.SoundFirst ? 2 : 1);
  out.Put32(0);
  out.Put32(uint32_t(width));
  out.Put32(height < 0 ? 0u - uint32_t(height) : uint32_t(height));  // INT_MIN included
  out.Zeros(16);
  out.End(avih);
  if (Shape.SoundFirst) {
    const int64_t strl = out.Begin("LIST", "strl");
    const int64_t strh = out.Begin("strh");
    out.PutTag("auds");
    out.Zeros(16);
    out.Put32(1);
    out.Put32(8000);
    out.Zeros(24);
    out.Zeros(8);
    out.End(strh);
    const int64_t strf = out.Begin("strf");
    out.Put16(1);
    out.Put16(1);
    out.Put32(8000);
    out.Put32(8000);
    out.Put16(1);
    out.Put16(8);
    out.Put16(0);
    out.End(strf);
    out.End(strl);
  }
  const int64_t strl = out.Begin("LIST", "strl");
  const int64_t strh = out.Begin("strh");
  out.PutTag("vids");
  out.Put32(Shape.Handler);
  out.Zeros(8);  // flags, priority, language
  out.Put32(0);  // initial frames
  out.Put32(Shape.Scale);
  out.Put32(Shape.Rate);
  out.Put32(Shape.Start);
  out.Put32(uint32_t(Shape.Length >= 0 ? Shape.Length : Chunks.size()));
  out.Put32(0);
  out.Put32(0xFFFFFFFFu);
  out.Put32(0);
  out.Put16(0);
  out.Put16(0);
  out.Put16(uint16_t(Shape.RectWidth));
  out.Put16(uint16_t(Shape.RectHeight));
  out.End(strh);
  const int64_t strf = out.Begin("strf");
  out.Put(Shape.Format);
  out.End(strf);
  int64_t superEntries = -1;
  if (odml) {
    const int64_t indx = out.Begin("indx");
    out.Put16(4);
    out.Put(QByteArray(1, '\0'));
    out.Put(QByteArray(1, '\0'));
    out.Put32(uint32_t(parts));
    out.PutTag(videoId);
    out.Zeros(12);
    superEntries = out.Pos();
    out.Zeros(16 * parts);
    out.End(indx);
  }
  out.End(strl);
  if (odml) {
    const int64_t list = out.Begin("LIST", "odml");
    const int64_t dmlh = out.Begin("dmlh");
    out.Put32(uint32_t(Chunks.size()));
    out.Zeros(244);
    out.End(dmlh);
    out.End(list);
  }
  out.End(hdrl);

  QList<TWritten> first;  // the first part's chunks, for idx1
  for (int part = 0; part < parts; ++part) {
    const int64_t partAt = part == 0 ? riff : out.Begin("RIFF", "AVIX");
    const int64_t movi = out.Begin("LIST", "movi");
    QList<TWritten> written;
    for (int i = part * perPart; i < std::min<int>((part + 1) * perPart, Chunks.size()); ++i) {
      const int64_t rec = Shape.Rec ? out.Begin("LIST", "rec ") : -1;
      if (Shape.SoundFirst) {
        TWritten s{Id(0, "wb"), out.Pos(), 0, 4, true, false};
        const int64_t at = out.Begin(s.Id);
        s.Data = out.Pos();
        out.Zeros(4);
        out.End(at);
        written << s;
      }
      TWritten v{videoId, out.Pos(), 0, uint32_t(Chunks[i].Data.size()), Chunks[i].Key, true};
      const int64_t at = out.Begin(videoId);
      v.Data = out.Pos();
      out.Put(Chunks[i].Data);
      out.End(at);
      written << v;
      if (rec >= 0) out.End(rec);
    }
    if (odml) {
      const int64_t ixAt = out.Pos();
      const int64_t ix = out.Begin(Id(video, "ix").right(2) + Id(video, "ix").left(2));
      int entries = 0;
      for (const TWritten &w : written) entries += w.Video ? 1 : 0;
      out.Put16(2);
      out.Put(QByteArray(1, '\0'));
      out.Put(QByteArray(1, '\x01'));
      out.Put32(uint32_t(entries));
      out.PutTag(videoId);
      out.Put64(uint64_t(movi - 4));
      out.Put32(0);
      for (const TWritten &w : written) {
        if (!w.Video) continue;
        out.Put32(uint32_t(w.Data - (movi - 4)));
        out.Put32(w.Size | (w.Key ? 0 : 0x80000000u));
      }
      out.End(ix);
      out.Patch64(superEntries + 16 * part, uint64_t(ixAt));
      out.Patch32(superEntries + 16 * part + 8, uint32_t(out.Pos() - ixAt));
      out.Patch32(superEntries + 16 * part + 12, uint32_t(entries));
    }
    out.End(movi);
    if (part == 0) {
      first = written;
      if (Shape.Index == TAviShape::Idx1 || Shape.Index == TAviShape::Idx1Absolute || odml) {
        const int64_t base = Shape.Index == TAviShape::Idx1Absolute ? 0 : movi + 4;
        const int64_t idx1 = out.Begin("idx1");
        for (const TWritten &w : first) {
          out.PutTag(w.Id);
          out.Put32(w.Key ? 0x10 : 0);
          out.Put32(uint32_t(w.Header - base));
          out.Put32(w.Size);
        }
        out.End(idx1);
      }
    }
    if (part + 1 < parts && Shape.HoleAfterPart > 0) {
      const int64_t junk = out.Begin("JUNK");
      out.Hole(Shape.HoleAfterPart);
      out.End(junk);
    }
    out.End(partAt);
  }
  return out.Bytes();
}

}  // namespace kolibra::video::testing
