#pragma once
// THelpWindow: Kolibra's own help window, for machines where the desktop has no program for
// web pages. It shows the local help page with its pictures, follows the links between the
// local pages and to places in them, and hands every other link (the web, mail) to the
// desktop (HelpLinkStaysInside decides).

#include "mainwindow/HelpCommand.h"

#include <QWidget>

class QTextBrowser;
class QPushButton;

namespace kolibra::mainwindow {

class THelpWindow : public QWidget {
 public:
  // external: where the links that leave the help go (by default QDesktopServices).
  explicit THelpWindow(const THelpOpener &external = THelpOpener(), QWidget *parent = nullptr);

  // Loads page and brings the window up.
  void ShowPage(const QUrl &page);
  QTextBrowser &Browser() const { return *FBrowser; }

 private:
  void LinkClicked(const QUrl &link);
  // Scales the pictures wider than the window down to its width, as the page's style sheet
  // asks a browser to (the text browser ignores max-width).
  void FitPictures();

  THelpOpener FExternal;
  QTextBrowser *FBrowser;
  QPushButton *FBack;
};

}  // namespace kolibra::mainwindow
