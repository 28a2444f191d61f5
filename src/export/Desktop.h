#pragma once
// What the export asks of the desktop: open a file with the program the user chose for its
// kind, start a program, find one on the PATH. The system's desktop stands behind it in the
// program; tests use a double that records the calls.

#include <QString>
#include <QStringList>

namespace kolibra::exporting {

class IDesktop {
 public:
  virtual ~IDesktop() = default;
  // Opens a file with the default program for its kind; false when none could be started.
  virtual bool OpenDocument(const QString &fileName) = 0;
  // Starts a program detached from Kolibra; false when it could not be started.
  virtual bool StartProgram(const QString &program, const QStringList &arguments) = 0;
  // The full path of an executable found on the PATH; empty when there is none.
  virtual QString FindProgram(const QString &name) const = 0;
};

class TSystemDesktop : public IDesktop {
 public:
  bool OpenDocument(const QString &fileName) override;
  bool StartProgram(const QString &program, const QStringList &arguments) override;
  QString FindProgram(const QString &name) const override;
};

// How a spreadsheet is opened in LibreOffice Calc: the program and its arguments, or an
// empty program when Calc is not installed.
struct TProgramCall {
  QString Program;
  QStringList Arguments;
};
TProgramCall CalcCall(const IDesktop &desktop, const QString &fileName);
// How the Regressi executable is started: through Wine for a Windows program (".exe"),
// directly otherwise; an empty program when Wine is needed and missing.
TProgramCall RegressiCall(const IDesktop &desktop, const QString &executable);

}  // namespace kolibra::exporting
