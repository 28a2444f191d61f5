#pragma once
// Sets an environment variable for one test and puts the old value back (a null value
// unsets it).

#include <QByteArray>
#include <QString>
#include <QtGlobal>

namespace kolibra::testing {

class ScopedEnv {
 public:
  ScopedEnv(const char *name, const QString &value)
      : Name(name), HadValue(qEnvironmentVariableIsSet(name)), Old(qgetenv(name)) {
    if (value.isNull())
      qunsetenv(name);
    else
      qputenv(name, value.toLocal8Bit());
  }
  ~ScopedEnv() {
    if (HadValue)
      qputenv(Name, Old);
    else
      qunsetenv(Name);
  }
  ScopedEnv(const ScopedEnv &) = delete;
  ScopedEnv &operator=(const ScopedEnv &) = delete;

 private:
  const char *Name;
  bool HadValue;
  QByteArray Old;
};

}  // namespace kolibra::testing
