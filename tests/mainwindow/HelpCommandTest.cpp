// The help command: the first existing page of the "Help" folder beside the program, in the
// documented order; which way it is shown (the desktop, Kolibra's own window, or the warning
// that names the missing file); and which links of the help window stay in it.

#include "kit/MessageBox.h"
#include "mainwindow/HelpCommand.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace kolibra::mainwindow::help_command_test {

// A program folder with these pages in its "Help" folder.
struct TProgram {
  explicit TProgram(const QStringList &pages) {
    QDir(Folder.path()).mkdir(QStringLiteral("Help"));
    for (const QString &name : pages) {
      QFile page(Folder.filePath(QStringLiteral("Help/") + name));
      EXPECT_TRUE(page.open(QIODevice::WriteOnly));
    }
  }
  QString Page(const char *name) const { return Folder.filePath(QStringLiteral("Help/") + QLatin1String(name)); }
  QTemporaryDir Folder;
};

TEST(HelpCommand, OpensTheFirstExistingPageInOrder) {
  const struct {
    QStringList Present;
    const char *Opened;  // nullptr: none, the warning
  } cases[] = {
      {{}, nullptr},
      {{"Help_en.html"}, "Help_en.html"},
      {{"Help.html", "Help_en.html"}, "Help_en.html"},
      {{"Help_en.html", "Help_es.html"}, "Help_en.html"},  // the interface's language first
      {{"Help_cz.html", "Help_fr.html", "Help.html"}, "Help_fr.html"},
      {{"Help.html"}, "Help.html"},
      {{"help_en.html"}, nullptr},  // the names are exact
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.Present.join(QLatin1Char(' ')).toStdString());
    TProgram program(c.Present);
    TScriptedMessageBox boxes;
    QUrl opened;
    const bool result = OpenHelp(
        program.Folder.path(),
        [&](const QUrl &url) {
          opened = url;
          return true;
        },
        THelpOpener(), [] { return true; });
    if (c.Opened == nullptr) {
      EXPECT_FALSE(result);
      EXPECT_TRUE(opened.isEmpty());
      ASSERT_EQ(boxes.Count(), 1);
      EXPECT_EQ(boxes.Last().Icon, icWarning);
      // The file that is missing, and no program of another system.
      EXPECT_EQ(boxes.Last().Text(), QStringLiteral("Unable to launch help. \n\nThe help page « ") +
                                         QDir::toNativeSeparators(program.Page("Help_en.html")) +
                                         QStringLiteral(" » is missing."));
    } else {
      EXPECT_TRUE(result);
      EXPECT_EQ(boxes.Count(), 0);
      EXPECT_EQ(opened, QUrl::fromLocalFile(program.Page(c.Opened)));
    }
  }
}

// The page of the interface language, else the English one, else the others in their order.
TEST(HelpCommand, ThePageOfTheInterfaceLanguageComesFirst) {
  const struct {
    const char *Language;
    QStringList Present;
    const char *Found;
  } cases[] = {
      {"fr", {"Help_en.html", "Help_fr.html", "Help_de.html"}, "Help_fr.html"},
      {"de", {"Help_en.html", "Help_fr.html", "Help_de.html"}, "Help_de.html"},
      {"es", {"Help_en.html", "Help_fr.html"}, "Help_en.html"},
      {"es", {"Help_cz.html", "Help_fr.html"}, "Help_fr.html"},
      {"en", {"Help_de.html", "Help_en.html"}, "Help_en.html"},
  };
  for (const auto &c : cases) {
    TProgram program(c.Present);
    EXPECT_EQ(FindHelpFile(program.Folder.path(), QLatin1String(c.Language)), program.Page(c.Found))
        << c.Language;
  }
  TProgram none({});
  EXPECT_EQ(ExpectedHelpFile(none.Folder.path(), QStringLiteral("de")),
            QDir::toNativeSeparators(none.Page("Help_de.html")));
}

TEST(HelpCommand, ChoosesTheWayTheHelpIsShown) {
  const struct {
    bool PageFound, Handler;
    THelpWay Way;
  } rows[] = {
      {true, true, THelpWay::Desktop},
      {true, false, THelpWay::OwnWindow},
      {false, true, THelpWay::Missing},
      {false, false, THelpWay::Missing},
  };
  for (const auto &r : rows) {
    SCOPED_TRACE(testing::Message() << r.PageFound << r.Handler);
    EXPECT_EQ(ChooseHelpWay(r.PageFound, r.Handler), r.Way);
  }
}

// The machine without a browser: the desktop is never asked, or fails; the own window shows
// the page and nothing is warned about. With neither, the warning names the page.
TEST(HelpCommand, WithoutABrowserTheOwnWindowShowsThePage) {
  const struct {
    bool Handler, DesktopOpens, WindowGiven;
    int DesktopCalls, WindowCalls;
    bool Result;
  } rows[] = {
      {true, true, true, 1, 0, true},    // the browser shows it
      {false, true, true, 0, 1, true},   // no handler: the desktop is not even asked
      {true, false, true, 1, 1, true},   // the desktop refuses: the own window
      {true, false, false, 1, 0, false}, // nothing can show it: the warning
  };
  for (const auto &r : rows) {
    SCOPED_TRACE(testing::Message() << r.Handler << r.DesktopOpens << r.WindowGiven);
    TProgram program({QStringLiteral("Help_en.html")});
    TScriptedMessageBox boxes;
    int desktopCalls = 0;
    int windowCalls = 0;
    QUrl shown;
    const THelpOpener window = [&](const QUrl &url) {
      ++windowCalls;
      shown = url;
      return true;
    };
    const bool result = OpenHelp(
        program.Folder.path(),
        [&](const QUrl &) {
          ++desktopCalls;
          return r.DesktopOpens;
        },
        r.WindowGiven ? window : THelpOpener(), [&] { return r.Handler; });
    EXPECT_EQ(result, r.Result);
    EXPECT_EQ(desktopCalls, r.DesktopCalls);
    EXPECT_EQ(windowCalls, r.WindowCalls);
    if (r.WindowCalls > 0) {
      EXPECT_EQ(shown, QUrl::fromLocalFile(program.Page("Help_en.html")));
    }
    ASSERT_EQ(boxes.Count(), r.Result ? 0 : 1);
    if (!r.Result) {
      EXPECT_EQ(boxes.Last().Text(), QStringLiteral("Unable to launch help. \n\nNo program could show the page « ") +
                                         QDir::toNativeSeparators(program.Page("Help_en.html")) +
                                         QStringLiteral(" »."));
    }
  }
}

TEST(HelpCommand, OnlyLocalPagesStayInTheHelpWindow) {
  const struct {
    const char *Link;
    bool Inside;
  } rows[] = {
      {"file:///opt/kolibra/Help/Help_en.html", true},
      {"file:///opt/kolibra/Help/Help_en.html#mark", true},
      {"file:///opt/kolibra/Help/other.HTM", true},
      {"file:///opt/kolibra/Help/images/marking.png", false},  // a picture opens in the viewer
      {"file:///home/teacher/Parabole.klb", false},
      {"https://www.libreoffice.org/", false},
      {"https://example.org/page.html", false},  // web pages go to the desktop
      {"mailto:teacher@example.org", false},
  };
  for (const auto &r : rows) {
    SCOPED_TRACE(r.Link);
    EXPECT_EQ(HelpLinkStaysInside(QUrl(QLatin1String(r.Link))), r.Inside);
  }
}

}  // namespace kolibra::mainwindow::help_command_test
