// The help command: the first existing page of the "Help" folder beside the program, in the
// documented order, and the warning when there is none or it cannot be opened.

#include "kit/MessageBox.h"
#include "mainwindow/HelpCommand.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace kolibra::mainwindow::help_command_test {

TEST(HelpCommand, OpensTheFirstExistingPageInOrder) {
  const struct {
    QStringList Present;
    const char *Opened;  // nullptr: none, the warning
  } cases[] = {
      {{}, nullptr},
      {{"Help_en.html"}, "Help_en.html"},
      {{"Help.html", "Help_en.html"}, "Help_en.html"},
      {{"Help_en.html", "Help_es.html"}, "Help_es.html"},
      {{"Help_cz.html", "Help_fr.html", "Help.html"}, "Help_fr.html"},
      {{"Help.html"}, "Help.html"},
      {{"help_en.html"}, nullptr},  // the names are exact
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.Present.join(QLatin1Char(' ')).toStdString());
    QTemporaryDir program;
    QDir(program.path()).mkdir(QStringLiteral("Help"));
    for (const QString &name : c.Present) {
      QFile page(program.filePath(QStringLiteral("Help/") + name));
      ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    }
    TScriptedMessageBox boxes;
    QUrl opened;
    const bool result = OpenHelp(program.path(), [&](const QUrl &url) {
      opened = url;
      return true;
    });
    if (c.Opened == nullptr) {
      EXPECT_FALSE(result);
      EXPECT_TRUE(opened.isEmpty());
      ASSERT_EQ(boxes.Count(), 1);
      EXPECT_EQ(boxes.Last().Icon, icWarning);
      EXPECT_EQ(boxes.Last().Text(),
                QStringLiteral("Unable to launch help. \n\nCheck that the « Help » directory "
                               "exists with « Kolibra.exe »."));
    } else {
      EXPECT_TRUE(result);
      EXPECT_EQ(boxes.Count(), 0);
      EXPECT_EQ(opened, QUrl::fromLocalFile(program.filePath(QStringLiteral("Help/") +
                                                             QLatin1String(c.Opened))));
    }
  }
}

TEST(HelpCommand, APageThatCannotBeOpenedIsWarnedAbout) {
  QTemporaryDir program;
  QDir(program.path()).mkpath(QStringLiteral("Help"));
  QFile page(program.filePath(QStringLiteral("Help/Help_en.html")));
  ASSERT_TRUE(page.open(QIODevice::WriteOnly));
  TScriptedMessageBox boxes;
  EXPECT_FALSE(OpenHelp(program.path(), [](const QUrl &) { return false; }));
  EXPECT_EQ(boxes.Count(), 1);
}

}  // namespace kolibra::mainwindow::help_command_test
