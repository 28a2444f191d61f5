#pragma once
// The work files' dialogs answered from a script, remembering what they were asked.

#include "mainwindow/WorkSession.h"

#include <deque>
#include <utility>
#include <vector>

namespace kolibra::mainwindow::testing {

class TScriptedWorkDialogs : public IWorkDialogs {
 public:
  QString AskSaveFileName(const QString &folder, const QString &proposed) override {
    SaveAsked.push_back({folder, proposed});
    return Next();
  }
  QString AskWorkFileName(const QString &folder) override {
    OpenFolder = folder;
    return Next();
  }
  QString AskVideoFileName(const QString &folder) override {
    VideoFolder = folder;
    return Next();
  }
  QString Next() {
    if (Answers.empty()) return QString();
    const QString answer = Answers.front();
    Answers.pop_front();
    return answer;
  }
  std::deque<QString> Answers;
  std::vector<std::pair<QString, QString>> SaveAsked;
  QString OpenFolder, VideoFolder;
};

}  // namespace kolibra::mainwindow::testing
