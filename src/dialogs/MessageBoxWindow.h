#pragma once
// The window presenter of Kolibra's message boxes: a modal QMessageBox that shows the
// request's icon, title, styled and coloured lines, buttons in the order they were added,
// the optional check box, and closes by itself after the optional time-out.
//
// Answers: the index of the pressed button; -1 when the box timed out, or when the user
// closed it (window close or Escape) while it offered several buttons. A box with a single
// button answers 0 however it is closed, except by its time-out.
//
// The application installs one instance with SetMessagePresenter at start-up.

#include "kit/MessageBox.h"

#include <QString>

namespace kolibra::dialogs {

class TMessageBoxWindow : public IMessagePresenter {
 public:
  TMessageAnswer Present(const TMessageRequest &request) override;

  // The box's text as rich text: one line per request line, each with its own style and
  // colour, the texts escaped, empty lines kept.
  static QString RichText(const TMessageRequest &request);
};

}  // namespace kolibra::dialogs
