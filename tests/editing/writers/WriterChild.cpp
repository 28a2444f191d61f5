// A process that writes one clip through a writer, for the tests that must run a writer under
// a limit the test process itself should not carry: a file-size limit (RLIMIT_FSIZE) stands
// for a full disk, as every user, root included, meets it.
//   writer_child FRAMEWORK CODEC WIDTH HEIGHT FRAMES OUT FILE_SIZE_LIMIT KLBDLL
// Exit status 0 when the clip was written, 1 with the writer's reason on standard error.

#include "WriterTestSupport.h"
#include "editing/writers/VideoWriters.h"
#include "video/VideoSources.h"

#include <sys/resource.h>
#include <QCoreApplication>
#include <QTextStream>
#include <csignal>

int main(int argc, char **argv) {
  QCoreApplication app(argc, argv);
  QTextStream err(stderr);
  const QStringList args = app.arguments();
  if (args.size() != 9) {
    err << "usage: writer_child FRAMEWORK CODEC WIDTH HEIGHT FRAMES OUT FILE_SIZE_LIMIT KLBDLL" << Qt::endl;
    return 2;
  }
  const auto framework = kolibra::video::FrameworkFromToken(args[1]);
  if (!framework) return 2;
  // Past the limit a write fails with EFBIG instead of killing the process.
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit limit{};
  getrlimit(RLIMIT_FSIZE, &limit);
  limit.rlim_cur = rlim_t(args[7].toLongLong());
  if (setrlimit(RLIMIT_FSIZE, &limit) != 0) return 2;

  kolibra::editing::TVideoWriters writers(args[8]);
  kolibra::editing::TVideoWriter &writer = *writers.Writer(*framework);
  kolibra::editing::TWriterSettings settings;
  settings.Width = args[3].toInt();
  settings.Height = args[4].toInt();
  settings.Codec = args[2];
  QString reason;
  if (!kolibra::editing::testing::WriteClip(writer, args[6], settings, args[5].toInt(), reason)) {
    err << reason << Qt::endl;
    return 1;
  }
  return 0;
}
