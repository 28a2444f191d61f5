// The video view's modes and tools, its zoom and geometry, and its cursor.

#include "measurement/Data.h"
#include "videoview/CursorImages.h"
#include "videoview/VideoModel.h"

namespace kolibra::videoview {

// ---------------------------------------------------------------------------------------------
// Modes
// ---------------------------------------------------------------------------------------------

bool TVideoModel::ModeRefused(int newMode) const {
  if (newMode < vmNone || newMode > vmTransparent) return true;
  // A mode whose subsystem is not there cannot be entered.
  if (newMode == vmCapture && FCapture == nullptr) return true;
  if (newMode == vmMontage && FMontage == nullptr) return true;
  if (newMode == vmStudio && FStudio == nullptr) return true;
  if (newMode == vmTracking && FTracker == nullptr) return true;
  if (newMode == vmMontage && FrameCount() < 2) return true;
  if (FMode == vmMontage && newMode != vmMontage && FWriter != nullptr && FWriter->Writing()) return true;
  // Last, because looking for a camera is the one check that does something.
  if (newMode == vmCapture && !FCapture->PrepareDevices()) return true;
  return false;
}

bool TVideoModel::SetMode(int newMode) {
  if (ModeRefused(newMode)) {
    Fire(OnModeRefused);
    return false;
  }
  ApplyMode(newMode);
  return true;
}

void TVideoModel::ApplyMode(int newMode) {
  using measurement::TMeasurementMode;
  const int old = FMode;
  const bool entering = newMode != old;
  const auto deactivateOthers = [this] {
    if (FStudio != nullptr) FStudio->Deactivate();
    if (FTracker != nullptr) FTracker->Deactivate();
  };
  const auto documentMode = [this](TMeasurementMode mode, int tool) {
    if (FDocument == nullptr) return;
    FDocument->SetMeasurementMode(mode);
    if (mode != TMeasurementMode::None && mode != TMeasurementMode::Editing) FDocument->SetActiveTool(tool);
  };

  // Leaving tracking goes first: the positions found become fixed-axes marks while the
  // document is still idle, before another mode takes it over.
  if (entering && old == vmTracking && FTracker != nullptr) {
    if (FTracker->SequenceRunning()) FTracker->StopSequence();
    if (newMode != vmNone) {
      FTracker->Commit();
      FTracker->Reset();
    }
    FTracker->Deactivate();
  }
  if (entering && newMode == vmTransparent) {
    documentMode(TMeasurementMode::Layer, measurement::dtLayer);
    deactivateOthers();
  }
  if (entering && newMode == vmRepereFixe) {
    documentMode(IsOpen() ? TMeasurementMode::FixedAxes : TMeasurementMode::None, measurement::dtPointing);
    deactivateOthers();
  }
  if (entering && newMode == vmMontage) {
    documentMode(TMeasurementMode::Editing, measurement::dtNone);
    deactivateOthers();
  }
  if (entering && old == vmMontage && FMontage != nullptr) FMontage->EditingEnded();
  if (entering && newMode == vmCapture) {
    documentMode(TMeasurementMode::None, measurement::dtNone);
    deactivateOthers();
  }
  if (entering && old == vmCapture && FCapture != nullptr) {
    if (FCapture->Recording()) FCapture->StopRecording();
    FCapture->StopPreview();
  }
  if (entering && newMode == vmStudio) {
    documentMode(TMeasurementMode::None, measurement::dtNone);
    deactivateOthers();
  }
  if (entering && newMode == vmTracking) {
    documentMode(TMeasurementMode::None, measurement::dtNone);
    if (FStudio != nullptr) FStudio->Deactivate();
    FTracker->ActivateAndPrepare();
  }

  FMode = newMode;
  FSurface.SetViewVisible(newMode != vmCapture);
  if (FCapture != nullptr) FCapture->SetPreviewAllowed(newMode == vmCapture);
  SetLoupeVisible(FLoupe.Visible && videoview::IsMarkingMode(newMode));
  if (entering) {
    FTool = vtNone;
    EndPan();
    FZoom.Dragging = false;
    Fire(OnModeChange);
  }
}

void TVideoModel::SetTool(int newTool) {
  if (newTool == FTool) return;
  FTool = newTool;
  EndPan();
  FZoom.Dragging = false;
  if (newTool == vtZoom || newTool == vtPan) Fire(OnToolChange);
}

// ---------------------------------------------------------------------------------------------
// Zoom and geometry
// ---------------------------------------------------------------------------------------------

void TVideoModel::UpdateGeometry() {
  FGeometry.Update(FZoom.Factor);
  FSurface.GeometryChanged();
}

void TVideoModel::ViewChanged() {
  if (!IsOpen()) return;
  // The document, the studio and the tracker keep screen positions of what they draw.
  if (FDocument != nullptr) FDocument->ViewChanged();
  if (FStudio != nullptr) FStudio->ViewChanged();
  if (FTracker != nullptr) FTracker->ViewChanged();
}

void TVideoModel::Resize(int width, int height) {
  FGeometry.SetControlSize(width, height);
  FLoupe.Geometry = TLoupeModel::PlaceIn(width, height);
  if (!IsOpen()) {
    FGeometry.Update(FZoom.Factor);
    FSurface.GeometryChanged();
    return;
  }
  UpdateGeometry();
  ViewChanged();
}

void TVideoModel::SetBarThickness(int verticalWidth, int horizontalHeight) {
  FGeometry.SetBarThickness(verticalWidth, horizontalHeight);
}

void TVideoModel::ApplyZoom(int newFactor, TPoint centre) {
  const int old = FZoom.Factor;
  FZoom.Factor = newFactor;
  FGeometry.ZoomAt(centre.X, centre.Y, old, newFactor);
  UpdateGeometry();
  ViewChanged();
  Fire(OnZoomChange);
}

void TVideoModel::ZoomClick(TPoint pixel, bool zoomIn, bool fine) {
  if (!IsOpen()) return;
  ApplyZoom(ZoomClickFactor(FZoom.Factor, zoomIn, fine), pixel);
  FSurface.InvalidateView();
}

void TVideoModel::ResetZoom() {
  if (!IsOpen()) {
    FZoom.Factor = 100;
    return;
  }
  ApplyZoom(100, TPoint(0, 0));
  FSurface.InvalidateView();
}

void TVideoModel::ScrollTo(Qt::Orientation orientation, int position) {
  if (!IsOpen()) return;
  const bool moved = orientation == Qt::Horizontal ? FGeometry.ScrollHorizontal(position)
                                                   : FGeometry.ScrollVertical(position);
  if (!moved) return;
  UpdateGeometry();
  ViewChanged();
  FSurface.InvalidateView();
}

// ---------------------------------------------------------------------------------------------
// Drawing state
// ---------------------------------------------------------------------------------------------

void TVideoModel::SetHideImage(bool hide) {
  if (hide == FHideImage) return;
  FHideImage = hide;
  FSurface.InvalidateView();
}

void TVideoModel::SetWaiting(bool waiting) {
  FWaiting = waiting;
  FSurface.ProcessPendingEvents();
  FSurface.RepaintNow();
}

void TVideoModel::SetTitleSize(int width, int height) {
  FTitleWidth = width;
  FTitleHeight = height;
  if (!IsOpen()) FSurface.InvalidateView();
}

void TVideoModel::SetLoupeVisible(bool visible) {
  if (visible == FLoupe.Visible) return;
  FLoupe.Visible = visible;
  FLoupe.Dragging = false;
  FSurface.GeometryChanged();
}

// ---------------------------------------------------------------------------------------------
// Cursor
// ---------------------------------------------------------------------------------------------

int TVideoModel::CursorCode() const {
  if (!IsOpen()) return crDefault;
  if (FTool == vtZoom) return crZoom;
  if (FTool == vtPan) return crPan;
  switch (FMode) {
    case vmRepereFixe:
    case vmTransparent:
      return FDocument != nullptr ? FDocument->CursorCode() : crDefault;
    case vmStudio:
      return FStudio != nullptr ? FStudio->CursorCode() : crDefault;
    case vmTracking:
      return FTracker != nullptr ? FTracker->CursorCode() : crDefault;
    default:
      return crDefault;
  }
}

void TVideoModel::UpdateCursor() { FSurface.ApplyCursor(CursorCode()); }

IVideoOverlay *TVideoModel::ModeOverlay() const {
  if (FMode == vmStudio) return FStudio;
  if (FMode == vmTracking) return FTracker;
  return nullptr;
}

}  // namespace kolibra::videoview
