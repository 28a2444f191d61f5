#pragma once
// TVideo: the widget in the middle of the main window that shows the video view. It is thin
// on purpose: TVideoModel decides everything; the widget copies the model's back buffer to
// the screen in one piece, turns Qt's mouse, keyboard and resize events into the model's
// calls, shows the model's cursor, scroll bars and magnifier, and runs the playback timer.
//
// The playback timer is a precise QTimer on the user-interface thread: the seek and the
// repaint it causes both run there, so a seek never overlaps a draw of the same reader.

#include "videoview/VideoModel.h"
#include "videoview/VideoSubsystems.h"

#include <QCursor>
#include <QHash>
#include <QTimer>
#include <QWidget>

class QScrollBar;

namespace kolibra::videoview {

class TLoupe;

class TVideo : public QWidget, public IVideoSurface {
  Q_OBJECT

 public:
  explicit TVideo(QWidget *parent = nullptr, const QString &wrapperFolder = QString());
  ~TVideo() override;

  TVideoModel &Model() { return *FModel; }
  const TVideoModel &Model() const { return *FModel; }

  QScrollBar *VertScrollBar() const { return FVertScrollBar; }
  QScrollBar *HorzScrollBar() const { return FHorzScrollBar; }
  TLoupe *Loupe() const { return FLoupe; }
  const QTimer &PlaybackTimer() const { return FTimer; }
  // The cursor shown for a code of the cursor table (the program's own pictures).
  static QCursor CursorFor(int code);

  // --- IVideoSurface ----------------------------------------------------------------------
  void RepaintNow() override;
  void InvalidateView() override;
  void ApplyCursor(int code) override;
  void SetViewVisible(bool visible) override;
  bool ViewVisible() const override;
  void GeometryChanged() override;
  void StartPlaybackTimer(int periodMs) override;
  void StopPlaybackTimer() override;
  TPoint PointerPosition() const override;
  void MovePointer(TPoint viewPixel) override;
  void ProcessPendingEvents() override;

 protected:
  void paintEvent(QPaintEvent *event) override;
  void resizeEvent(QResizeEvent *event) override;
  void mousePressEvent(QMouseEvent *event) override;
  void mouseDoubleClickEvent(QMouseEvent *event) override;
  void mouseMoveEvent(QMouseEvent *event) override;
  void mouseReleaseEvent(QMouseEvent *event) override;
  void keyPressEvent(QKeyEvent *event) override;

 private:
  void ScrollBarMoved(Qt::Orientation orientation, int value);
  void PlaceChildren();

  std::unique_ptr<TVideoModel> FModel;
  QScrollBar *FVertScrollBar = nullptr;
  QScrollBar *FHorzScrollBar = nullptr;
  TLoupe *FLoupe = nullptr;
  QTimer FTimer;
  TPoint FPointer;      // the last mouse point in view pixels
  TPoint FLastRouted;   // the last move handed to the model
  bool FHasRouted = false;
  bool FSwallowedPress = false;  // the press was aimed at a box that closed by itself
  bool FUpdatingBars = false;
};

}  // namespace kolibra::videoview
