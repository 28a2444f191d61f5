#pragma once
// TCapturePreview: the camera's live picture in capture mode, 320 x 240, in the place of the
// video view. It only paints the last picture the capture controller handed over, scaled to
// its size with the picture's proportions.

#include <QImage>
#include <QWidget>

namespace kolibra::capture {

class TCapturePreview : public QWidget {
  Q_OBJECT

 public:
  explicit TCapturePreview(QWidget *parent = nullptr);
  void ShowPicture(const QImage &picture);
  void Clear();
  const QImage &Picture() const { return FPicture; }
  int PicturesShown() const { return FShown; }

 protected:
  void paintEvent(QPaintEvent *event) override;

 private:
  QImage FPicture;
  int FShown = 0;
};

}  // namespace kolibra::capture
