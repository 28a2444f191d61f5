#pragma once
// The contract of Kolibra's FFmpeg wrapper "KlbVff": plain C entry points looked up by name
// with dlsym, so that the program still starts (and says why) when the wrapper or FFmpeg is
// missing. Every entry point acts on the one file named last by FFwFileName: the wrapper
// keeps no handles, and a process that needs two files open at once reopens them in turn
// (TFFMpegPlay does this for its instances).
//
// Texts cross the boundary as UTF-8. Returned texts stay valid until the next call into the
// wrapper. Entry points never throw and are safe to call in any order; they answer 0, false
// or empty text when no file is open.

#include <cstdint>

extern "C" {

// The wrapper's own version; readers refuse anything below 510.
#define KLBVFF_VERSION 530

// The picture FFDraw paints into: 24 bits per pixel in red, green, blue byte order (the
// layout of QImage::Format_RGB888), Height rows of BytesPerLine bytes, top row first.
struct KlbVffBitmap {
  int32_t Width;
  int32_t Height;
  int32_t BytesPerLine;
  unsigned char *Bits;
};

typedef int32_t (*TFFVersion)(void);
typedef void (*TFFwFileName)(const char *FileName);
typedef bool (*TFFIsOpen)(void);
typedef int32_t (*TFFFrameWidth)(void);
typedef int32_t (*TFFFrameHeight)(void);
typedef double (*TFFNbImgParSec)(void);
typedef double (*TFFDuration)(void);
typedef int32_t (*TFFFrameCount)(void);
typedef int32_t (*TFFrPosition)(void);
typedef void (*TFFwPosition)(int32_t Index);
typedef const char *(*TFFErrorMsg)(void);
typedef void (*TFFDraw)(KlbVffBitmap *Bitmap);
typedef const char *(*TFFCommentaire)(const char *FileName);
typedef void (*TFFClose)(void);
// Beyond the classic table, optional for readers: why the last FFwFileName failed, and
// whether the frame durations of the open file differ (the rate is then the usual one, or
// their mean where they vary widely).
typedef const char *(*TFFOpenError)(void);
typedef bool (*TFFVariableRate)(void);
// Also optional: FFFrameCount may be an estimate from the container's duration while the
// wrapper builds its frame table in the background (long files); this one waits for the
// table and answers the exact count. FFFrameCount answers it too once the table is ready.
typedef int32_t (*TFFExactFrameCount)(void);
// Since 530, optional too. How the pictures are turned to stand upright (the stream's
// display matrix): degrees counter-clockwise (0, 90, 180 or 270, as ffprobe says), then
// flipped left to right when FFMirrored; FFDraw paints them as stored. The rate the video was filmed at when the file
// says it (slow motion), else 0. The presentation times of the frames in seconds from the
// first frame's: copies at most Capacity of them into Times and answers how many the file
// has (0 when its pictures carry no usable times); waits for the frame table.
typedef int32_t (*TFFRotation)(void);
typedef bool (*TFFMirrored)(void);
typedef double (*TFFCaptureRate)(void);
typedef int32_t (*TFFFrameTimes)(double *Times, int32_t Capacity);

}  // extern "C"
