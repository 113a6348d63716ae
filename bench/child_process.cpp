#include "bench/child_process.h"

#include <fcntl.h>
#include <spawn.h>
#include <unistd.h>

extern char** environ;

namespace bench {

std::vector<std::string> childEnv(const std::map<std::string, std::string>& set, bool x11) {
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        std::string kv = *e;
        std::string k = kv.substr(0, kv.find('='));
        if (set.count(k) || k == "QT_QPA_PLATFORM") continue;
        env.push_back(kv);
    }
    if (!x11) env.push_back("QT_QPA_PLATFORM=offscreen");
    for (auto& [k, v] : set) env.push_back(k + "=" + v);
    return env;
}

pid_t spawn(const std::string& bin, const std::vector<std::string>& env, int* stdoutFd) {
    posix_spawn_file_actions_t fa;
    posix_spawn_file_actions_init(&fa);
    int pipefd[2] = {-1, -1};
    if (stdoutFd) {
        if (pipe(pipefd) != 0) return -1;
        posix_spawn_file_actions_adddup2(&fa, pipefd[1], 1);
        posix_spawn_file_actions_addclose(&fa, pipefd[0]);
    } else {
        posix_spawn_file_actions_addopen(&fa, 1, "/dev/null", O_WRONLY, 0);
    }
    posix_spawn_file_actions_addopen(&fa, 2, "/dev/null", O_WRONLY, 0);
    std::vector<char*> argv{const_cast<char*>(bin.c_str()), nullptr};
    std::vector<char*> envp;
    for (auto& e : env) envp.push_back(const_cast<char*>(e.c_str()));
    envp.push_back(nullptr);
    pid_t pid = -1;
    int rc = posix_spawn(&pid, bin.c_str(), &fa, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&fa);
    if (stdoutFd) {
        close(pipefd[1]);
        *stdoutFd = pipefd[0];
    }
    return rc == 0 ? pid : -1;
}

}  // namespace bench
