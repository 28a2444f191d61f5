#include "dialogs/MessageBoxWindow.h"

#include "kit/StrayClicks.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <vector>

namespace kolibra::dialogs {

namespace messageboxwindow {

// QMessageBox refuses to close a box without an escape button, and our buttons have no
// role that would make one of them the escape button: closing answers -1 instead, so the
// caller sees that no button was chosen. A single button stays the answer to closing.
class TClosableMessageBox : public QMessageBox {
 public:
  using QMessageBox::QMessageBox;

 protected:
  void closeEvent(QCloseEvent *event) override {
    if (buttons().size() == 1)
      QMessageBox::closeEvent(event);
    else
      QDialog::closeEvent(event);
  }

  void keyPressEvent(QKeyEvent *event) override {
    if (buttons().size() != 1 && event->matches(QKeySequence::Cancel)) {
      reject();
      return;
    }
    QMessageBox::keyPressEvent(event);
  }
};

QMessageBox::Icon iconOf(TDefaultIcons icon) {
  switch (icon) {
    case icWarning:
      return QMessageBox::Warning;
    case icError:
      return QMessageBox::Critical;
    case icInformation:
      return QMessageBox::Information;
    case icConfirmation:
      return QMessageBox::Question;
    case icCustom:
    case icNone:
      break;
  }
  return QMessageBox::NoIcon;
}

}  // namespace messageboxwindow

QString TMessageBoxWindow::RichText(const TMessageRequest &request) {
  QStringList lines;
  for (const TMessageLine &line : request.Lines) {
    QString css = QStringLiteral("color:%1;").arg(line.Color.ToQColor().name());
    if (line.Style & msBold) css += QLatin1String("font-weight:bold;");
    if (line.Style & msItalic) css += QLatin1String("font-style:italic;");
    if (line.Style & msUnderline) css += QLatin1String("text-decoration:underline;");
    // Empty lines separate the parts of a message: they must keep their height.
    const QString text = line.Text.isEmpty() ? QStringLiteral("&nbsp;") : line.Text.toHtmlEscaped();
    lines << QStringLiteral("<span style=\"%1\">%2</span>").arg(css, text);
  }
  // pre-wrap keeps the callers' spacing (texts are quoted exactly, double spaces included).
  return QStringLiteral("<p style=\"white-space:pre-wrap\">%1</p>")
      .arg(lines.join(QLatin1String("<br>")));
}

TMessageAnswer TMessageBoxWindow::Present(const TMessageRequest &request) {
  messageboxwindow::TClosableMessageBox box(QApplication::activeWindow());
  box.setWindowTitle(request.Title.isEmpty() ? QStringLiteral("Kolibra") : request.Title);
  box.setIcon(messageboxwindow::iconOf(request.Icon));
  box.setTextFormat(Qt::RichText);
  box.setText(RichText(request));

  QStringList captions = request.Buttons;
  if (captions.isEmpty()) captions << QStringLiteral("Ok");
  // One role for all keeps the buttons in the order they were added.
  std::vector<QPushButton *> buttons;
  for (const QString &caption : captions)
    buttons.push_back(box.addButton(caption, QMessageBox::ActionRole));
  // Enter takes the first button, the cautious one in every Kolibra question, unless the
  // question names another.
  const int defaultButton = request.DefaultButton >= 0 && request.DefaultButton < int(buttons.size())
                                ? request.DefaultButton
                                : 0;
  box.setDefaultButton(buttons[size_t(defaultButton)]);

  QCheckBox *checkBox = nullptr;
  if (!request.CheckBoxText.isEmpty()) {
    checkBox = new QCheckBox(request.CheckBoxText, &box);
    checkBox->setChecked(request.CheckBoxChecked);
    box.setCheckBox(checkBox);
  }

  if (request.TimeoutMs > 0)
    QTimer::singleShot(request.TimeoutMs, &box, [&box] {
      // A click aimed at the box as it vanishes must not reach what lies beneath.
      StrayClicks().BoxClosedByItself(box.frameGeometry(), MonotonicMs());
      box.done(QDialog::Rejected);
    });

  box.exec();

  TMessageAnswer answer;
  const auto pressed = std::find(buttons.begin(), buttons.end(), box.clickedButton());
  answer.Button = pressed == buttons.end() ? -1 : int(pressed - buttons.begin());
  answer.Checked = checkBox != nullptr ? checkBox->isChecked() : request.CheckBoxChecked;
  return answer;
}

}  // namespace kolibra::dialogs
