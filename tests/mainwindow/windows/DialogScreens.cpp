// A harness for looking at the options dialog and the calculator as a user sees them (not a
// test; run under a display, then take a screenshot):
//
//   dialog_screens options PAGE [SUBPAGE] [--grab FILE.png]
//   dialog_screens calculator [--grab FILE.png]
//   dialog_screens recovery [--grab FILE.png]
//
// PAGE and SUBPAGE are tab indexes from 0. With --grab the window saves its own picture
// and the harness ends; without it the window stays until the harness is killed. The
// options are read from and written to KOLIBRA_CONFIG_DIR (use a temporary folder); the
// recovery files are those of XDG_STATE_HOME. The language is the desktop's.

#include "formulas/windows/Calculatrice.h"
#include "kit/Language.h"
#include "mainwindow/OptionsPageIcons.h"
#include "mainwindow/RecoveryDialog.h"
#include "settings/windows/BoiteOptions.h"

#include <QApplication>
#include <QDialog>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

int main(int argc, char *argv[]) {
  QApplication app(argc, argv);
  // In the desktop's language, as Kolibra starts (LANGUAGE=de dialog_screens ...).
  kolibra::InstallTranslators(kolibra::InterfaceLanguage(QString()));
  QStringList args = app.arguments().mid(1);
  QString grab;
  const int grabAt = int(args.indexOf(QStringLiteral("--grab")));
  if (grabAt >= 0 && grabAt + 1 < args.size()) {
    grab = args.at(grabAt + 1);
    args.remove(grabAt, 2);
  }
  const auto save = [&grab](QWidget *window) {
    if (grab.isEmpty()) return;
    QTimer::singleShot(300, window, [window, &grab] {
      window->grab().save(grab);
      QApplication::exit(0);
      if (auto *dialog = qobject_cast<QDialog *>(window)) dialog->reject();
    });
  };

  if (args.value(0) == QLatin1String("calculator")) {
    kolibra::formulas::TCalculatrice calculator;
    calculator.move(40, 40);
    calculator.Execute();
    // An expression evaluated, then a second one being typed.
    QTest::keyClicks(calculator.Memo(), QStringLiteral("2*Sin(Pi/6)+3^2"));
    QTest::keyClick(calculator.Memo(), Qt::Key_Return);
    QTest::keyClicks(calculator.Memo(), QStringLiteral("/4"));
    save(&calculator);
    return app.exec();
  }

  if (args.value(0) == QLatin1String("recovery")) {
    QTimer::singleShot(100, [&] {
      if (auto *form = qobject_cast<QDialog *>(QApplication::activeModalWidget())) save(form);
    });
    kolibra::mainwindow::ShowRecoveryDialog(nullptr, kolibra::work::ListRecoveryFiles(kolibra::work::RecoveryFolder()));
    return 0;
  }

  const int page = args.value(1).toInt();
  const int subPage = args.value(2).toInt();
  kolibra::settings::TOptions options;
  kolibra::settings::TBoiteOptions dialog;
  dialog.Association.RefreshCaches = false;
  dialog.PageIcon = kolibra::mainwindow::OptionsPageIcon;
  QTimer::singleShot(100, [&] {
    auto *form = qobject_cast<QDialog *>(QApplication::activeModalWidget());
    if (!form) return;
    form->move(40, 40);
    auto *pages = form->findChild<QTabWidget *>(QStringLiteral("PageControl"));
    pages->setCurrentIndex(page);
    const QString name = pages->currentWidget()->objectName() + QStringLiteral("Pages");
    if (auto *subPages = pages->currentWidget()->findChild<QTabWidget *>(name))
      subPages->setCurrentIndex(subPage);
    save(form);
  });
  dialog.Execute(options);
  return 0;
}
