// The studio's commands: the current frame as a picture, the chronophotograph, and outlines
// cut around given positions.

#include "kit/Texts.h"
#include "studio/Chronophotograph.h"
#include "studio/Studio.h"

#include "kit/MessageBox.h"
#include "measurement/ViewPort.h"

#include <QCoreApplication>
#include <algorithm>

namespace kolibra::studio {

namespace studio_commands {

// A warning with its "Ok"; an empty text is an empty line.
void Warn(std::initializer_list<QString> lines) {
  TMessageBox box(icWarning);
  for (const QString &line : lines) box.AddLine(line);
  box.AddButton(StudioText::tr("Ok")).Execute();
}

QString PictureFilter() {
  return StudioText::tr("Bitmap file (*.bmp)") + QStringLiteral(";;") +
         StudioText::tr("PNG picture (*.png)");
}

}  // namespace studio_commands

int TStudio::FirstFrame() const {
  int first = -1;
  for (const auto &outline : FOutlines)
    if (outline->HasPicture() && (first < 0 || outline->Frame < first)) first = outline->Frame;
  return first;
}

int TStudio::PictureCount() const {
  return int(std::count_if(FOutlines.begin(), FOutlines.end(), [](const auto &o) { return o->HasPicture(); }));
}

bool TStudio::SavePicture(const QImage &picture, const TSaveFileRequest &request, QString &fileName) {
  if (!Host.AskSaveFile(request, fileName)) return false;
  QString reason;
  if (!WritePicture(picture, fileName, reason)) {
    // The picture is still in memory: the user can try another folder.
    TMessageBox box(icWarning);
    box.AddFileName(fileName).AddEmptyLine();
    box.AddLine(StudioText::tr("The file creation in the selected directory has failed."));
    box.AddLine(StudioText::tr("Check your access rights to this directory."));
    if (!reason.isEmpty()) box.AddLine(reason);
    box.AddButton(StudioText::tr("Ok")).Execute();
    return false;
  }
  Host.FileSaved(fileName);
  return true;
}

bool TStudio::SaveFrameImage() {
  QImage frame;
  if (!Grab(frame)) {
    studio_commands::Warn({StudioText::tr("Unexpected error detected during image capture."),
                           QString(), StudioText::tr("Abort")});
    return false;
  }
  TSaveFileRequest request;
  request.Title = StudioText::tr("Save image to file");
  request.Filter = studio_commands::PictureFilter();
  request.DefaultExtension = QStringLiteral("bmp");
  request.Prefix = QStringLiteral("Image%1").arg(View.EditedFrameIndex() + 1);
  QString fileName;
  if (!SavePicture(frame, request, fileName)) return false;
  const bool png = PictureFormatFor(fileName) == QLatin1String("PNG");
  TMessageBox(icInformation)
      .AddLine(StudioText::tr("Saving to an image file complete."))
      .AddEmptyLine()
      .AddLine(png ? StudioText::tr("File extension is PNG.")
                   : StudioText::tr("File extension is BMP."))
      .AddButton(StudioText::tr("Ok"))
      .Execute();
  return true;
}

bool TStudio::BuildChronophotograph(bool background, QImage &picture) {
  picture = QImage();
  QImage page;
  if (background) {
    View.GoToFrame(FirstFrame());
    View.Invalidate();
    if (!Grab(page) || page.isNull()) return false;
  }
  std::vector<const TModele *> outlines;
  for (const auto &outline : FOutlines) outlines.push_back(outline.get());
  picture = ComposeChronophotograph(outlines, background ? &page : nullptr,
                                    QSize(View.NativeFrameWidth(), View.NativeFrameHeight()));
  return !picture.isNull();
}

bool TStudio::MakeChronophotograph() {
  // Outlines whose frame could not be read add nothing: a picture of the page alone is
  // not a chronophotograph.
  if (PictureCount() == 0) {
    studio_commands::Warn({StudioText::tr("First draw the outline of an object."), QString(),
                           StudioText::tr("Use the button « Draw the outline of an object ».")});
    return false;
  }
  TMessageBox choice(icInformation);
  choice.AddLine(StudioText::tr("Object's images at different positions can be drawn:"))
      .AddEmptyLine()
      .AddLine(StudioText::tr("- on a blank page"))
      .AddLine(StudioText::tr("- on a background image"))
      .AddEmptyLine()
      .AddLine(StudioText::tr("The video frame placed in the background corresponding to the first "
                              "position of the object."))
      .SetCheckBox(StudioText::tr("Insert a background image"), true)
      .AddButton(StudioText::tr("Ok"));
  // Closed without its button: the user changed their mind.
  if (choice.Execute() < 0) return false;

  QImage picture;
  if (!BuildChronophotograph(choice.Checked(), picture)) {
    studio_commands::Warn(
        {StudioText::tr("Unexpected error detected during the creation of the chronophotography ."),
         QString(), StudioText::tr("Abort")});
    return false;
  }
  TSaveFileRequest request;
  request.Title = StudioText::tr("Save chronophotography to file");
  request.Filter = studio_commands::PictureFilter();
  request.DefaultExtension = QStringLiteral("bmp");
  request.Prefix = QStringLiteral("ChronoPhoto");
  QString fileName;
  if (!SavePicture(picture, request, fileName)) return false;
  TMessageBox(icInformation)
      .AddLine(StudioText::tr("File successfully saved:"))
      .AddEmptyLine()
      .AddFileName(fileName)
      .AddButton(StudioText::tr("Ok"))
      .Execute();
  return true;
}

int TStudio::AddDiscs(const std::vector<TStudioDisc> &discs) {
  FDrawing = false;
  FHasLastPoint = false;
  const int width = std::max(1, View.NativeFrameWidth());
  int added = 0;
  for (const TStudioDisc &disc : discs) {
    View.GoToVideoFrame(disc.VideoFrame);
    // A frame the video does not reach would cut the disc on another one.
    if (View.CurrentFrameIndex() != disc.VideoFrame) continue;
    DeleteCurrent();
    auto outline = std::make_unique<TModele>(View, osCircle);
    outline->Frame = View.EditedFrameIndex();
    outline->SetCentre(disc.Centre);
    outline->SetEdge(TPointD(disc.Centre.X + disc.Radius / width, disc.Centre.Y));
    if (!outline->Complete([this](QImage &bitmap) { return Grab(bitmap); })) continue;
    FOutlines.push_back(std::move(outline));
    ++added;
  }
  View.Invalidate();
  return added;
}

}  // namespace kolibra::studio
