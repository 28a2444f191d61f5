#pragma once
// The clipboard as the export uses it: one plain text. The system clipboard stands behind it
// in the program; tests may use a double that refuses.

#include <QString>

namespace kolibra::exporting {

class IClipboard {
 public:
  virtual ~IClipboard() = default;
  // Puts text on the clipboard; false when the clipboard refused it.
  virtual bool SetText(const QString &text) = 0;
};

// The application's clipboard: the text as plain text and, for programs that ask for it by
// that name, as UTF-8 bytes. It is refused without a graphical application (kolibra-cli)
// and when the clipboard does not hold the text afterwards.
class TSystemClipboard : public IClipboard {
 public:
  bool SetText(const QString &text) override;
};

// The MIME type under which the UTF-8 bytes are offered.
inline constexpr const char *Utf8TextMimeType = "text/plain;charset=utf-8";

}  // namespace kolibra::exporting
