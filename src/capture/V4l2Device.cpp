#include "capture/V4l2Device.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <algorithm>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <linux/videodev2.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace kolibra::capture::v4l2 {

namespace v4l2_detail {

// An open node, closed on leaving the scope; non-blocking so that a busy camera never hangs
// a question.
class TNode {
 public:
  explicit TNode(const QString &node) : Fd(::open(QFile::encodeName(node).constData(), O_RDWR | O_NONBLOCK | O_CLOEXEC)) {}
  ~TNode() {
    if (Fd >= 0) ::close(Fd);
  }
  TNode(const TNode &) = delete;
  TNode &operator=(const TNode &) = delete;
  bool IsOpen() const { return Fd >= 0; }
  int Ask(unsigned long request, void *argument) const {
    int result;
    do {
      result = ::ioctl(Fd, request, argument);
    } while (result < 0 && errno == EINTR);
    return result;
  }

 private:
  int Fd;
};

QString Text(const __u8 *bytes, size_t size) {
  return QString::fromUtf8(reinterpret_cast<const char *>(bytes), int(strnlen(reinterpret_cast<const char *>(bytes), size)));
}

}  // namespace v4l2_detail

using v4l2_detail::TNode;

QString CardName(const QString &node) {
  TNode device(node);
  if (!device.IsOpen()) return QString();
  v4l2_capability caps{};
  if (device.Ask(VIDIOC_QUERYCAP, &caps) < 0) return QString();
  const uint32_t kinds = (caps.capabilities & V4L2_CAP_DEVICE_CAPS) != 0 ? caps.device_caps : caps.capabilities;
  if ((kinds & V4L2_CAP_VIDEO_CAPTURE) == 0) return QString();
  return v4l2_detail::Text(caps.card, sizeof(caps.card));
}

std::vector<TCaptureDevice> VideoNodes(int maximum) {
  QStringList nodes = QDir(QStringLiteral("/dev")).entryList({QStringLiteral("video*")}, QDir::System | QDir::Files);
  // video2 before video10.
  std::sort(nodes.begin(), nodes.end(), [](const QString &a, const QString &b) {
    return a.mid(5).toInt() < b.mid(5).toInt();
  });
  std::vector<TCaptureDevice> devices;
  for (const QString &name : nodes) {
    if (int(devices.size()) >= maximum) break;
    const QString node = QStringLiteral("/dev/") + name;
    const QString card = CardName(node);
    if (card.isEmpty()) continue;
    devices.push_back({card, node, QString()});
  }
  return devices;
}

std::vector<TNodeFormat> NodeFormats(const QString &node) {
  std::vector<TNodeFormat> formats;
  TNode device(node);
  if (!device.IsOpen()) return formats;
  for (__u32 i = 0;; ++i) {
    v4l2_fmtdesc description{};
    description.index = i;
    description.type = V4L2_BUF_TYPE_VIDEO_CAPTURE;
    if (device.Ask(VIDIOC_ENUM_FMT, &description) < 0) break;
    for (__u32 s = 0;; ++s) {
      v4l2_frmsizeenum size{};
      size.index = s;
      size.pixel_format = description.pixelformat;
      if (device.Ask(VIDIOC_ENUM_FRAMESIZES, &size) < 0 || size.type != V4L2_FRMSIZE_TYPE_DISCRETE) break;
      TNodeFormat format{description.pixelformat, int(size.discrete.width), int(size.discrete.height), {}};
      for (__u32 r = 0;; ++r) {
        v4l2_frmivalenum interval{};
        interval.index = r;
        interval.pixel_format = description.pixelformat;
        interval.width = size.discrete.width;
        interval.height = size.discrete.height;
        if (device.Ask(VIDIOC_ENUM_FRAMEINTERVALS, &interval) < 0 || interval.type != V4L2_FRMIVAL_TYPE_DISCRETE)
          break;
        // An interval of n/d seconds is a rate of d/n frames per second.
        const video::TFrameRate rate =
            video::TFrameRate::Exact(interval.discrete.denominator, interval.discrete.numerator);
        if (rate.IsValid()) format.Rates.push_back(rate);
      }
      formats.push_back(format);
    }
  }
  return formats;
}

std::vector<TControl> Controls(const QString &node) {
  std::vector<TControl> controls;
  TNode device(node);
  if (!device.IsOpen()) return controls;
  v4l2_queryctrl query{};
  query.id = V4L2_CTRL_FLAG_NEXT_CTRL;
  while (device.Ask(VIDIOC_QUERYCTRL, &query) == 0) {
    const bool usable = (query.flags & V4L2_CTRL_FLAG_DISABLED) == 0 &&
                        (query.type == V4L2_CTRL_TYPE_INTEGER || query.type == V4L2_CTRL_TYPE_BOOLEAN ||
                         query.type == V4L2_CTRL_TYPE_MENU || query.type == V4L2_CTRL_TYPE_BUTTON);
    if (usable) {
      TControl control;
      control.Id = query.id;
      control.Name = v4l2_detail::Text(query.name, sizeof(query.name));
      control.Kind = query.type == V4L2_CTRL_TYPE_BOOLEAN ? ckBoolean
                     : query.type == V4L2_CTRL_TYPE_MENU  ? ckMenu
                     : query.type == V4L2_CTRL_TYPE_BUTTON ? ckButton
                                                           : ckInteger;
      control.Minimum = query.minimum;
      control.Maximum = query.maximum;
      control.Step = std::max(1, int(query.step));
      control.Default = query.default_value;
      control.ReadOnly = (query.flags & (V4L2_CTRL_FLAG_READ_ONLY | V4L2_CTRL_FLAG_GRABBED)) != 0;
      v4l2_control value{};
      value.id = query.id;
      control.Value = control.Kind != ckButton && device.Ask(VIDIOC_G_CTRL, &value) == 0 ? value.value : query.default_value;
      if (control.Kind == ckMenu) {
        for (int v = query.minimum; v <= query.maximum; ++v) {
          v4l2_querymenu item{};
          item.id = query.id;
          item.index = __u32(v);
          if (device.Ask(VIDIOC_QUERYMENU, &item) < 0) continue;
          control.MenuItems << v4l2_detail::Text(item.name, sizeof(item.name));
          control.MenuValues.push_back(v);
        }
      }
      controls.push_back(control);
    }
    query.id |= V4L2_CTRL_FLAG_NEXT_CTRL;
  }
  return controls;
}

bool SetControl(const QString &node, uint32_t id, int value, QString &reason) {
  TNode device(node);
  if (!device.IsOpen()) {
    reason = QString::fromLocal8Bit(strerror(errno));
    return false;
  }
  v4l2_control control{};
  control.id = id;
  control.value = value;
  if (device.Ask(VIDIOC_S_CTRL, &control) < 0) {
    reason = QString::fromLocal8Bit(strerror(errno));
    return false;
  }
  return true;
}

}  // namespace kolibra::capture::v4l2
