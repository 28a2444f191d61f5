#pragma once
// The contract of Kolibra's FFmpeg writer library "KlbRff": plain C entry points looked up by
// name with dlsym, so that Kolibra starts (and offers the other frameworks) when the library
// or FFmpeg is missing. The library writes one AVI file at a time: FFwFileName opens it,
// FFAddFrame appends frames, FFWriteFile completes and closes it.
//
// Texts cross the boundary as UTF-8 and stay valid until the next call. Entry points never
// throw and are safe in any order: without an open file they fail (false) or do nothing.

#include <cstdint>

extern "C" {

// The library's own version; writers refuse anything below 510.
#define KLBRFF_VERSION 520

// The comment the library leaves in its files, by which Kolibra reads them with FFmpeg.
#define KLBRFF_COMMENT "Kolibra video FFMpeg MPEG4 codec"

// The picture FFAddFrame takes: 24 bits per pixel in red, green, blue byte order (the layout
// of QImage::Format_RGB888), Height rows of BytesPerLine bytes, top row first. A picture of
// another size than the file's is stretched over the whole frame.
struct KlbRffBitmap {
  int32_t Width;
  int32_t Height;
  int32_t BytesPerLine;
  const unsigned char *Bits;
};

typedef int32_t (*TRffVersion)(void);
// File name, height, width, frames per second, 1 to compress with MPEG-4 (else 24-bit RGB).
// True when the file was created and is ready for frames. The rate is stored as the nearest
// fraction (n/1001 for the rates of television).
typedef bool (*TRffwFileName)(const char *FileName, int32_t Height, int32_t Width, double FrameRate,
                              int32_t UseCodec);
typedef bool (*TRffAddFrame)(const KlbRffBitmap *Bitmap);
typedef void (*TRffWriteFile)(void);

// Beyond the classic table, optional for writers:
// 0 when the last file was completed by FFWriteFile (every frame in it, flushed and closed),
// negative after any failure since FFwFileName (a full disk, a size limit).
typedef int32_t (*TRffWriteStatus)(void);
// Why the last operation failed; empty text when nothing failed.
typedef const char *(*TRffWriteErrorMsg)(void);
// One slot without a new picture (an empty chunk: readers show the picture before).
typedef bool (*TRffAddEmptyFrame)(void);
// Closes the open file without completing it (the caller deletes it).
typedef void (*TRffCancelFile)(void);

}  // extern "C"
