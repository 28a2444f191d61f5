#include "kit/Color.h"

#include <QGuiApplication>

namespace kolibra {

QPalette::ColorRole SystemColorRole(int index) {
  switch (index) {
    case scScrollBar: return QPalette::Button;
    case scBackground: return QPalette::Window;
    case scActiveCaption: return QPalette::Highlight;
    case scInactiveCaption: return QPalette::Mid;
    case scMenu: return QPalette::Window;
    case scWindow: return QPalette::Base;
    case scWindowFrame: return QPalette::Shadow;
    case scMenuText: return QPalette::WindowText;
    case scWindowText: return QPalette::Text;
    case scCaptionText: return QPalette::HighlightedText;
    case scActiveBorder: return QPalette::Window;
    case scInactiveBorder: return QPalette::Window;
    case scAppWorkSpace: return QPalette::Dark;
    case scHighlight: return QPalette::Highlight;
    case scHighlightText: return QPalette::HighlightedText;
    case scBtnFace: return QPalette::Button;
    case scBtnShadow: return QPalette::Dark;
    case scGrayText: return QPalette::PlaceholderText;
    case scBtnText: return QPalette::ButtonText;
    case scInactiveCaptionText: return QPalette::WindowText;
    case scBtnHighlight: return QPalette::Light;
    case sc3DDkShadow: return QPalette::Shadow;
    case sc3DLight: return QPalette::Midlight;
    case scInfoText: return QPalette::ToolTipText;
    case scInfoBk: return QPalette::ToolTipBase;
    case scHotLight: return QPalette::Link;
    case scGradientActiveCaption: return QPalette::Highlight;
    case scGradientInactiveCaption: return QPalette::Mid;
    case scMenuHighlight: return QPalette::Highlight;
    case scMenuBar: return QPalette::Window;
    default: return QPalette::Window;
  }
}

QColor TColor::ToQColor(const QPalette &palette) const {
  if (IsSystem()) return palette.color(QPalette::Active, SystemColorRole(SystemIndex()));
  return QColor(Red(), Green(), Blue());
}

QColor TColor::ToQColor() const {
  if (!IsSystem()) return QColor(Red(), Green(), Blue());
  // Without an application object there is no desktop palette: use Qt's default one.
  return ToQColor(qGuiApp ? QGuiApplication::palette() : QPalette());
}

}  // namespace kolibra
