// Makes Kolibra's two sample videos from exact equations of motion, with the true position
// of every frame beside them, so that measurements made on them can be checked:
//   Cylindre.avi  a cylinder rolling without slipping, a point marked on its rim
//   Parabole.avi  a ball thrown in a uniform field (g = 9.81 m/s^2), a 1 m scale bar drawn
// Each video is MJPEG in AVI, written by the ffmpeg program from frames drawn here; each
// comes with a ".csv" of: frame, t (s), then x and y in metres (origin at the bottom left
// of the picture, y upwards) and in frame pixels (origin at the top left, y downwards) of
// the tracked point. Usage: samplevideos OUTPUT_FOLDER

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QProcess>
#include <QTextStream>
#include <cmath>
#include <cstdio>
#include <functional>

namespace {

// Picture geometry shared by both videos: metres to frame pixels.
struct TScene {
  int Width;
  int Height;
  double PixelsPerMetre;
  QPointF ToPixels(double X, double Y) const { return QPointF(X * PixelsPerMetre, Height - Y * PixelsPerMetre); }
};

struct TSample {
  QString Name;
  TScene Scene;
  double Rate;
  int Frames;
  // Draws frame Index and returns the true position (metres) of the tracked point.
  std::function<QPointF(QPainter &, int)> Draw;
};

void DrawBackground(QPainter &Painter, const TScene &Scene) {
  Painter.fillRect(0, 0, Scene.Width, Scene.Height, QColor(236, 236, 228));
  Painter.setPen(QPen(QColor(210, 210, 200), 1));
  for (int i = 1; i * 0.1 * Scene.PixelsPerMetre < Scene.Width; ++i) {
    const double x = i * 0.1 * Scene.PixelsPerMetre;
    Painter.drawLine(QPointF(x, 0), QPointF(x, Scene.Height));
  }
  for (int i = 1; i * 0.1 * Scene.PixelsPerMetre < Scene.Height; ++i) {
    const double y = Scene.Height - i * 0.1 * Scene.PixelsPerMetre;
    Painter.drawLine(QPointF(0, y), QPointF(Scene.Width, y));
  }
}

// A black bar exactly one metre long with end ticks, at (X, Y) metres.
void DrawScaleBar(QPainter &Painter, const TScene &Scene, double X, double Y) {
  const QPointF a = Scene.ToPixels(X, Y);
  const QPointF b = Scene.ToPixels(X + 1.0, Y);
  Painter.setPen(QPen(Qt::black, 3, Qt::SolidLine, Qt::FlatCap));
  Painter.drawLine(a, b);
  Painter.drawLine(a + QPointF(0, -8), a + QPointF(0, 8));
  Painter.drawLine(b + QPointF(0, -8), b + QPointF(0, 8));
  Painter.setFont(QFont(QStringLiteral("Arial"), 12));
  Painter.drawText(QRectF(a.x(), a.y() - 28, b.x() - a.x(), 20), Qt::AlignCenter, QStringLiteral("1 m"));
}

// The ball: thrown from (0.25 m, 0.25 m) at 5 m/s, 65 degrees above the horizontal.
TSample Parabole() {
  TSample s{QStringLiteral("Parabole"), TScene{480, 360, 200.0}, 50.0, 48, {}};
  s.Draw = [scene = s.Scene, rate = s.Rate](QPainter &painter, int index) {
    constexpr double g = 9.81;
    constexpr double v0 = 5.0;
    const double angle = 65.0 * M_PI / 180.0;
    const double t = index / rate;
    const double x = 0.25 + v0 * std::cos(angle) * t;
    const double y = 0.25 + v0 * std::sin(angle) * t - 0.5 * g * t * t;
    DrawBackground(painter, scene);
    DrawScaleBar(painter, scene, 1.1, 0.12);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(220, 30, 30));
    painter.drawEllipse(scene.ToPixels(x, y), 9.0, 9.0);
    return QPointF(x, y);
  };
  return s;
}

// The cylinder: radius 0.12 m, rolling to the right at 0.5 m/s without slipping on a ground
// 0.03 m above the bottom of the picture, from a centre at (0.2 m, 0.15 m); the marked point
// starts where the cylinder touches the ground, so it draws a cycloid.
TSample Cylindre() {
  TSample s{QStringLiteral("Cylindre"), TScene{480, 240, 300.0}, 25.0, 50, {}};
  s.Draw = [scene = s.Scene, rate = s.Rate](QPainter &painter, int index) {
    constexpr double radius = 0.12;
    constexpr double speed = 0.5;
    constexpr double ground = 0.03;
    const double t = index / rate;
    const double cx = 0.2 + speed * t;
    const double cy = ground + radius;
    const double turn = speed * t / radius;  // clockwise as it rolls to the right
    const double px = cx - radius * std::sin(turn);
    const double py = cy - radius * std::cos(turn);
    DrawBackground(painter, scene);
    painter.setPen(QPen(QColor(60, 60, 60), 2));
    painter.drawLine(scene.ToPixels(0.0, ground), scene.ToPixels(scene.Width / scene.PixelsPerMetre, ground));
    const QPointF centre = scene.ToPixels(cx, cy);
    const double r = radius * scene.PixelsPerMetre;
    painter.setBrush(QColor(150, 170, 200));
    painter.drawEllipse(centre, r, r);
    // Spokes make the rotation visible.
    painter.setPen(QPen(QColor(90, 100, 130), 2));
    for (int k = 0; k < 3; ++k) {
      const double a = turn + k * 2.0 * M_PI / 3.0;
      painter.drawLine(centre, scene.ToPixels(cx + radius * std::sin(a), cy + radius * std::cos(a)));
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(220, 30, 30));
    painter.drawEllipse(scene.ToPixels(px, py), 6.0, 6.0);
    return QPointF(px, py);
  };
  return s;
}

bool Write(const TSample &Sample, const QDir &Folder) {
  QProcess ffmpeg;
  ffmpeg.start(QStringLiteral("ffmpeg"),
               {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-y"), QStringLiteral("-f"),
                QStringLiteral("rawvideo"), QStringLiteral("-pix_fmt"), QStringLiteral("rgb24"), QStringLiteral("-s"),
                QStringLiteral("%1x%2").arg(Sample.Scene.Width).arg(Sample.Scene.Height), QStringLiteral("-r"),
                QString::number(Sample.Rate), QStringLiteral("-i"), QStringLiteral("-"), QStringLiteral("-c:v"),
                QStringLiteral("mjpeg"), QStringLiteral("-q:v"), QStringLiteral("3"), QStringLiteral("-pix_fmt"),
                QStringLiteral("yuvj420p"), Folder.filePath(Sample.Name + QStringLiteral(".avi"))});
  if (!ffmpeg.waitForStarted()) return false;

  QFile csv(Folder.filePath(Sample.Name + QStringLiteral(".csv")));
  if (!csv.open(QIODevice::WriteOnly | QIODevice::Text)) return false;
  QTextStream out(&csv);
  out << "frame,t,x_m,y_m,x_px,y_px\n";
  QImage frame(Sample.Scene.Width, Sample.Scene.Height, QImage::Format_RGB888);
  for (int i = 0; i < Sample.Frames; ++i) {
    QPainter painter(&frame);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF metres = Sample.Draw(painter, i);
    painter.end();
    const QPointF pixels = Sample.Scene.ToPixels(metres.x(), metres.y());
    out << i << ',' << QString::number(i / Sample.Rate, 'g', 12) << ',' << QString::number(metres.x(), 'g', 12) << ','
        << QString::number(metres.y(), 'g', 12) << ',' << QString::number(pixels.x(), 'g', 12) << ','
        << QString::number(pixels.y(), 'g', 12) << '\n';
    for (int y = 0; y < frame.height(); ++y) {
      ffmpeg.write(reinterpret_cast<const char *>(frame.constScanLine(y)), frame.width() * 3);
    }
    ffmpeg.waitForBytesWritten(-1);
  }
  ffmpeg.closeWriteChannel();
  return ffmpeg.waitForFinished(-1) && ffmpeg.exitStatus() == QProcess::NormalExit && ffmpeg.exitCode() == 0;
}

}  // namespace

int main(int argc, char **argv) {
  // Text is drawn, so fonts are needed; no screen is.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: samplevideos OUTPUT_FOLDER\n");
    return 1;
  }
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  if (!QDir().mkpath(folder.path())) return 1;
  for (const TSample &sample : {Cylindre(), Parabole()}) {
    if (!Write(sample, folder)) {
      std::fprintf(stderr, "samplevideos: could not write %s\n", qPrintable(sample.Name));
      return 1;
    }
  }
  return 0;
}
