#pragma once
// A measurement document on the view double, with default options from an empty folder,
// a log of the calculators it makes stale, scripted message boxes and the mouse moves the
// video view would send.

#include "kit/IniFile.h"
#include "kit/Locale.h"
#include "kit/MessageBox.h"
#include "measurement/Data.h"
#include "measurement/ResultsInvalidation.h"
#include "measurement/support/FakeViewPort.h"
#include "settings/Options.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <vector>

// Texts in failure messages read as text.
inline void PrintTo(const QString &text, std::ostream *out) { *out << text.toStdString(); }

namespace kolibra::measurement::testing {

class FakeResults : public IResultsInvalidation {
 public:
  void Invalidate(TCalculatorSet which) override { Calls.push_back(which); }
  int Count(TCalculatorSet which) const { return int(std::count(Calls.begin(), Calls.end(), which)); }
  std::vector<TCalculatorSet> Calls;
};

class DocumentFixture : public ::testing::Test {
 protected:
  DocumentFixture() {
    view.CurrentFrame = view.EditedFrame = 10;
    data.SetResultsInvalidation(&results);
    data.SetMeasurementMode(TMeasurementMode::FixedAxes);
  }

  // A click as the view sends it: the pointer arrives, presses and releases.
  void Click(TPoint pixel, Qt::MouseButton button = Qt::LeftButton) {
    data.MouseMove(Qt::NoModifier, pixel);
    data.MouseDown(button, Qt::NoModifier, pixel);
    data.MouseUp(button, Qt::NoModifier, pixel);
  }
  // Presses at from, moves in two steps to to and releases there.
  void Drag(TPoint from, TPoint to) {
    data.MouseMove(Qt::NoModifier, from);
    data.MouseDown(Qt::LeftButton, Qt::NoModifier, from);
    data.MouseMove(Qt::NoModifier, TPoint((from.X + to.X) / 2, (from.Y + to.Y) / 2));
    data.MouseMove(Qt::NoModifier, to);
    data.MouseUp(Qt::LeftButton, Qt::NoModifier, to);
  }
  bool Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) { return data.KeyDown(key, modifiers); }

  // Everything the work file holds about the measurement, with the shown frame.
  QString Snapshot() const {
    TIniFile ini(dir.filePath(QStringLiteral("snapshot.klb")));
    data.SaveToIni(ini);
    return ini.ToText() + QStringLiteral("frame=") + QString::number(view.CurrentFrame) + QLatin1Char('\n');
  }

  ScopedDecimalSeparator separator{QLatin1Char('.')};
  QTemporaryDir dir;
  FakeViewPort view;
  settings::TOptions options{dir.filePath(QStringLiteral("Kolibra.ini"))};
  TData data{view, options};
  FakeResults results;
  TScriptedMessageBox boxes;
};

}  // namespace kolibra::measurement::testing
