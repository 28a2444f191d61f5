#pragma once
// TLoupe: the magnifier, a small widget on the video view. It shows TLoupeModel's picture of
// the view's back buffer and passes presses on: near its border they drag it, inside they
// change its enlargement.

#include "videoview/VideoModel.h"

#include <QWidget>

namespace kolibra::videoview {

class TLoupe : public QWidget {
  Q_OBJECT

 public:
  TLoupe(TVideoModel &model, QWidget *view);

 protected:
  void paintEvent(QPaintEvent *event) override;
  void mousePressEvent(QMouseEvent *event) override;
  void mouseMoveEvent(QMouseEvent *event) override;
  void mouseReleaseEvent(QMouseEvent *event) override;

 private:
  TLoupeModel &State() { return FModel.Loupe(); }
  TPoint ViewPoint(const QMouseEvent *event) const;

  TVideoModel &FModel;
};

}  // namespace kolibra::videoview
