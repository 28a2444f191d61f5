#pragma once
// A full disk as every user meets it, root included: while action runs, no file may grow
// past bytes (writes beyond fail instead of raising SIGXFSZ). Returns what action returns.

#include <csignal>
#include <sys/resource.h>
#include <gtest/gtest.h>

namespace kolibra::testing {

template <typename Action>
auto WithFileSizeLimit(rlim_t bytes, Action action) {
  rlimit before{};
  EXPECT_EQ(::getrlimit(RLIMIT_FSIZE, &before), 0);
  rlimit small = before;
  small.rlim_cur = bytes;
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  EXPECT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  const auto result = action();
  ::setrlimit(RLIMIT_FSIZE, &before);
  std::signal(SIGXFSZ, oldHandler);
  return result;
}

}  // namespace kolibra::testing
