#include "mainwindow/HelpWindow.h"

#include "kit/Texts.h"

#include <QAbstractTextDocumentLayout>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>
#include <QVBoxLayout>

#include <algorithm>
#include <vector>

namespace kolibra::mainwindow {

THelpWindow::THelpWindow(const THelpOpener &external, QWidget *parent)
    : QWidget(parent, Qt::Window), FExternal(external) {
  setObjectName(QStringLiteral("HelpWindow"));
  setWindowTitle(MainFormText::tr("Kolibra help"));
  FBrowser = new QTextBrowser(this);
  FBrowser->setObjectName(QStringLiteral("HelpBrowser"));
  // Every link comes through LinkClicked: local pages stay here, the rest goes out.
  FBrowser->setOpenLinks(false);
  FBrowser->setOpenExternalLinks(false);
  FBack = new QPushButton(MainFormText::tr("Back"), this);
  FBack->setObjectName(QStringLiteral("HelpBack"));
  FBack->setEnabled(false);
  auto *close = new QPushButton(MainFormText::tr("Close"), this);
  close->setObjectName(QStringLiteral("HelpClose"));
  auto *buttons = new QHBoxLayout;
  buttons->addWidget(FBack);
  buttons->addStretch();
  buttons->addWidget(close);
  auto *layout = new QVBoxLayout(this);
  layout->addWidget(FBrowser);
  layout->addLayout(buttons);
  connect(FBrowser, &QTextBrowser::anchorClicked, this, [this](const QUrl &link) { LinkClicked(link); });
  connect(FBrowser, &QTextBrowser::sourceChanged, this, [this] { FitPictures(); });
  connect(FBrowser, &QTextBrowser::backwardAvailable, FBack, &QPushButton::setEnabled);
  connect(FBack, &QPushButton::clicked, FBrowser, &QTextBrowser::backward);
  connect(close, &QPushButton::clicked, this, &QWidget::close);
  QSize size(900, 700);
  if (const QScreen *screen = QGuiApplication::primaryScreen())
    size = size.boundedTo(screen->availableGeometry().size() * 9 / 10);
  resize(size);
}

void THelpWindow::ShowPage(const QUrl &page) {
  // Shown first, so that the pictures are fitted to the window's real width.
  show();
  FBrowser->setSource(page);
  raise();
  activateWindow();
}

void THelpWindow::FitPictures() {
  QTextDocument &document = *FBrowser->document();
  QAbstractTextDocumentLayout *layout = document.documentLayout();
  const int width = FBrowser->viewport()->width() - FBrowser->verticalScrollBar()->sizeHint().width();
  // Collected first: changing a format splits the fragments being walked.
  struct TPicture {
    int Position, Length;
    QTextImageFormat Format;
    double Available;
  };
  std::vector<TPicture> pictures;
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    // The page is centred: what is indented on the left is kept free on the right too.
    const double indent = layout->blockBoundingRect(block).x() + block.blockFormat().leftMargin();
    const double available = width - 2.0 * std::max(indent, document.documentMargin());
    for (auto it = block.begin(); !it.atEnd(); ++it)
      if (const QTextFragment fragment = it.fragment(); fragment.charFormat().isImageFormat())
        pictures.push_back({fragment.position(), fragment.length(), fragment.charFormat().toImageFormat(), available});
  }
  for (TPicture &picture : pictures) {
    if (picture.Available < 100) continue;
    const QVariant resource = document.resource(QTextDocument::ImageResource, QUrl(picture.Format.name()));
    QSize size = resource.value<QImage>().size();
    if (size.isEmpty()) size = resource.value<QPixmap>().size();
    if (size.isEmpty() || size.width() <= picture.Available) continue;
    picture.Format.setWidth(picture.Available);
    picture.Format.setHeight(picture.Available * size.height() / size.width());
    QTextCursor cursor(&document);
    cursor.setPosition(picture.Position);
    cursor.setPosition(picture.Position + picture.Length, QTextCursor::KeepAnchor);
    cursor.setCharFormat(picture.Format);
  }
}

void THelpWindow::LinkClicked(const QUrl &link) {
  // A place in the page itself.
  if (link.isRelative() && link.path().isEmpty() && link.hasFragment()) {
    FBrowser->scrollToAnchor(link.fragment());
    return;
  }
  const QUrl resolved = FBrowser->source().resolved(link);
  if (HelpLinkStaysInside(resolved)) {
    FBrowser->setSource(resolved);
    return;
  }
  if (FExternal)
    FExternal(resolved);
  else
    QDesktopServices::openUrl(resolved);
}

}  // namespace kolibra::mainwindow
