#pragma once
// Widget tests answer modal windows as a user would: an action runs on the window as soon
// as it is shown (it must close it), and children are found by their object names.

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <functional>
#include <type_traits>
#include <gtest/gtest.h>

namespace kolibra::testing {

// Runs action on the next modal window of type Window once it is visible. Returns the
// polling timer so a test can stop waiting for a window that never comes.
template <typename Window = QDialog>
QTimer *WhenShown(std::type_identity_t<std::function<void(Window *)>> action) {
  auto *poll = new QTimer(qApp);
  poll->setInterval(5);
  QObject::connect(poll, &QTimer::timeout, poll, [poll, action] {
    auto *window = qobject_cast<Window *>(QApplication::activeModalWidget());
    if (window == nullptr || !window->isVisible()) return;
    poll->stop();
    poll->deleteLater();
    action(window);
  });
  poll->start();
  return poll;
}

// The child of a window by object name; a missing child fails the test.
template <typename T>
T *Child(QObject *parent, const char *name) {
  T *child = parent->findChild<T *>(QString::fromLatin1(name));
  EXPECT_NE(child, nullptr) << name;
  return child;
}

}  // namespace kolibra::testing
