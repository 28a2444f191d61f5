// Kolibra's own help window, offscreen: the installed help page with every picture it names
// loaded, links between local pages followed in the window, and every other link handed to
// the desktop.

#include "mainwindow/HelpWindow.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>
#include <QTest>

#include <vector>

namespace kolibra::mainwindow::help_window_test {

// The pictures the document holds, in order.
std::vector<QTextImageFormat> Images(const QTextDocument &document) {
  std::vector<QTextImageFormat> images;
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
    for (auto it = block.begin(); !it.atEnd(); ++it)
      if (const QTextCharFormat format = it.fragment().charFormat(); format.isImageFormat())
        images.push_back(format.toImageFormat());
  return images;
}

TEST(HelpWindow, ShowsTheInstalledPageWithItsPictures) {
  const QString path = QDir(QStringLiteral(KOLIBRA_TEST_HELP_DIR)).filePath(QStringLiteral("Help_en.html"));
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  // The pictures the page names, read from its source rather than from the window.
  QStringList expected;
  const QRegularExpression img(QStringLiteral("<img[^>]*src=\"([^\"]+)\""));
  for (auto it = img.globalMatch(QString::fromUtf8(file.readAll())); it.hasNext();) expected << it.next().captured(1);
  ASSERT_FALSE(expected.isEmpty());

  THelpWindow window;
  window.resize(700, 600);  // narrower than the widest pictures
  window.ShowPage(QUrl::fromLocalFile(path));
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  EXPECT_TRUE(window.isVisible());
  QTextDocument &document = *window.Browser().document();
  EXPECT_TRUE(document.toPlainText().contains(QStringLiteral("Kolibra help")));
  const std::vector<QTextImageFormat> images = Images(document);
  QStringList names;
  for (const QTextImageFormat &image : images) names << image.name();
  EXPECT_EQ(names, expected);
  for (const QTextImageFormat &format : images) {
    const QString name = format.name();
    SCOPED_TRACE(name.toStdString());
    const QVariant resource = document.resource(QTextDocument::ImageResource, QUrl(name));
    const QImage image = resource.value<QImage>();
    const QPixmap pixmap = resource.value<QPixmap>();
    // The same picture as the file beside the page.
    const QImage onDisk(QDir(QStringLiteral(KOLIBRA_TEST_HELP_DIR)).filePath(name));
    ASSERT_FALSE(onDisk.isNull());
    const QSize loaded = !image.isNull() ? image.size() : pixmap.size();
    EXPECT_EQ(loaded, onDisk.size());
    // Wider pictures are fitted to the window, keeping their proportions.
    const double width = format.width() > 0 ? format.width() : onDisk.width();
    const double height = format.height() > 0 ? format.height() : onDisk.height();
    EXPECT_LE(width, window.Browser().viewport()->width());
    EXPECT_NEAR(width / height, double(onDisk.width()) / onDisk.height(), 0.01);
  }
  // Nothing runs off to the side.
  EXPECT_LE(document.size().width(), window.Browser().viewport()->width());
  // Laid out with the pictures: far taller than the text alone in the window.
  EXPECT_GT(document.size().height(), 5.0 * window.Browser().viewport()->height());
}

TEST(HelpWindow, LocalPagesStayInsideAndOtherLinksGoToTheDesktop) {
  QTemporaryDir folder;
  const auto write = [&folder](const char *name, const char *text) {
    QFile page(folder.filePath(QLatin1String(name)));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.write(text);
  };
  write("first.html", "<html><body><p>First page</p><a href=\"second.html\">next</a></body></html>");
  write("second.html", "<html><body><p>Second page</p></body></html>");
  QList<QUrl> external;
  THelpWindow window([&external](const QUrl &url) {
    external << url;
    return true;
  });
  const QUrl first = QUrl::fromLocalFile(folder.filePath(QStringLiteral("first.html")));
  window.ShowPage(first);
  auto *back = window.findChild<QPushButton *>(QStringLiteral("HelpBack"));
  ASSERT_NE(back, nullptr);
  EXPECT_FALSE(back->isEnabled());

  const struct {
    const char *Link;  // as written in the page
    const char *Source;  // the page shown afterwards
    bool External;
  } rows[] = {
      {"second.html", "second.html", false},
      {"https://www.libreoffice.org/", "second.html", true},
      {"mailto:teacher@example.org", "second.html", true},
      {"first.html#top", "first.html", false},
  };
  for (const auto &r : rows) {
    SCOPED_TRACE(r.Link);
    external.clear();
    Q_EMIT window.Browser().anchorClicked(QUrl(QLatin1String(r.Link)));
    EXPECT_EQ(window.Browser().source().adjusted(QUrl::RemoveFragment),
              QUrl::fromLocalFile(folder.filePath(QLatin1String(r.Source))));
    ASSERT_EQ(external.size(), r.External ? 1 : 0);
    if (r.External) {
      EXPECT_EQ(external.front(), QUrl(QLatin1String(r.Link)));
    }
  }
  EXPECT_TRUE(window.Browser().toPlainText().contains(QStringLiteral("First page")));
  // Back walks the pages seen.
  ASSERT_TRUE(back->isEnabled());
  back->click();
  EXPECT_TRUE(window.Browser().toPlainText().contains(QStringLiteral("Second page")));
}

}  // namespace kolibra::mainwindow::help_window_test
