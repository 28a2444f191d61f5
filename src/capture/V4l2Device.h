#pragma once
// What the kernel's video4linux2 interface tells about a camera node, asked directly with
// its ioctls: whether it captures video, its name, its pixel formats with their sizes and
// rates, and its controls (brightness, contrast, exposure...), which the driver dialog shows
// and sets. libavdevice and GStreamer open the cameras; this only describes them.

#include "capture/CaptureTypes.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace kolibra::capture::v4l2 {

// "/dev/video0", "/dev/video1"... that capture video (metadata nodes left out), in order.
std::vector<TCaptureDevice> VideoNodes(int maximum);
// The card's name; empty when node is not a video capture device.
QString CardName(const QString &node);

struct TNodeFormat {
  uint32_t FourCC = 0;
  int Width = 0;
  int Height = 0;
  std::vector<video::TFrameRate> Rates;  // empty: the driver gave none
};
// Every discrete size of every pixel format, with the rates of each.
std::vector<TNodeFormat> NodeFormats(const QString &node);

enum TControlKind { ckInteger, ckBoolean, ckMenu, ckButton };

struct TControl {
  uint32_t Id = 0;
  TControlKind Kind = ckInteger;
  QString Name;
  int Minimum = 0;
  int Maximum = 0;
  int Step = 1;
  int Default = 0;
  int Value = 0;
  QStringList MenuItems;          // for menus: the item of each value from Minimum
  std::vector<int> MenuValues;    // the values that have an item
  bool ReadOnly = false;
};
// The user controls of the node; empty when it has none or cannot be opened.
std::vector<TControl> Controls(const QString &node);
// Sets one; false with the reason when the driver refuses.
bool SetControl(const QString &node, uint32_t id, int value, QString &reason);

}  // namespace kolibra::capture::v4l2
