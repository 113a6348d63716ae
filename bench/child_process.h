#pragma once
// The real program and the bare Qt program started as child processes.
#include <sys/types.h>

#include <map>
#include <string>
#include <vector>

namespace bench {

// This process's environment with `set` added; on Qt's offscreen platform unless `x11`.
std::vector<std::string> childEnv(const std::map<std::string, std::string>& set, bool x11);
// Starts `bin` with `env`, its stderr discarded and its stdout piped to *stdoutFd (discarded
// when null); -1 when it cannot be started.
pid_t spawn(const std::string& bin, const std::vector<std::string>& env, int* stdoutFd);

}  // namespace bench
