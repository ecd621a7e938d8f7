#include "support/unprivileged.h"

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>

namespace vorla::testing {

namespace {
constexpr uid_t kNobody = 65534;
}

std::string run_as_ordinary_user(const std::filesystem::path& folder,
                                 const std::function<std::string()>& body) {
    if (::geteuid() != 0) return body();
    int pipe_fds[2];
    if (::pipe(pipe_fds) != 0) return "child failed: no pipe";
    if (::chown(folder.c_str(), kNobody, kNobody) != 0) return "child failed: chown";
    const pid_t pid = ::fork();
    if (pid < 0) return "child failed: no fork";
    if (pid == 0) {
        ::close(pipe_fds[0]);
        if (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)
            ::_exit(3);
        const std::string report = body();
        std::size_t done = 0;
        while (done < report.size()) {
            const ssize_t n = ::write(pipe_fds[1], report.data() + done, report.size() - done);
            if (n <= 0) ::_exit(4);
            done += static_cast<std::size_t>(n);
        }
        ::_exit(0);
    }
    ::close(pipe_fds[1]);
    std::string report;
    char buffer[4096];
    for (ssize_t n; (n = ::read(pipe_fds[0], buffer, sizeof buffer)) > 0;)
        report.append(buffer, static_cast<std::size_t>(n));
    ::close(pipe_fds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    // The folder is root's again, so that the test can clean it up and look at it.
    if (::chown(folder.c_str(), 0, 0) != 0) return "child failed: chown back";
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return "child failed: status " + std::to_string(status);
    return report;
}

}  // namespace vorla::testing
