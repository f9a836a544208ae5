// Child-process runner for end-to-end tests: pipes for all three standard streams, polled
// together so that a child writing a lot cannot block on a full pipe.
#include "process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <stdexcept>

namespace zenta_test {

namespace {

struct Pipe {
    int fd[2] = {-1, -1};
    Pipe() {
        if (pipe(fd) != 0) throw std::runtime_error("pipe failed");
    }
    ~Pipe() { closeBoth(); }
    void closeEnd(int i) {
        if (fd[i] >= 0) close(fd[i]);
        fd[i] = -1;
    }
    void closeBoth() {
        closeEnd(0);
        closeEnd(1);
    }
};

[[noreturn]] void execChild(const std::string& program, const std::vector<std::string>& args,
                            const std::string& workdir, Pipe& in, Pipe& out, Pipe& err) {
    dup2(in.fd[0], 0);
    dup2(out.fd[1], 1);
    dup2(err.fd[1], 2);
    in.closeBoth();
    out.closeBoth();
    err.closeBoth();
    if (!workdir.empty() && chdir(workdir.c_str()) != 0) _exit(126);
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    execv(program.c_str(), argv.data());
    _exit(127);
}

// Feeds `input` and drains both output pipes until the child has closed them.
void pump(const std::string& input, Pipe& in, Pipe& out, Pipe& err, RunResult& result) {
    size_t written = 0;
    if (input.empty())
        in.closeEnd(1);
    else
        fcntl(in.fd[1], F_SETFL, O_NONBLOCK);
    char buffer[65536];
    while (out.fd[0] >= 0 || err.fd[0] >= 0) {
        pollfd fds[3];
        int n = 0;
        int outIdx = -1, errIdx = -1, inIdx = -1;
        if (out.fd[0] >= 0) fds[outIdx = n++] = {out.fd[0], POLLIN, 0};
        if (err.fd[0] >= 0) fds[errIdx = n++] = {err.fd[0], POLLIN, 0};
        if (in.fd[1] >= 0) fds[inIdx = n++] = {in.fd[1], POLLOUT, 0};
        if (poll(fds, n, -1) < 0) {
            if (errno == EINTR) continue;
            throw std::runtime_error("poll failed");
        }
        if (inIdx >= 0 && fds[inIdx].revents) {
            ssize_t k = write(in.fd[1], input.data() + written, input.size() - written);
            if (k > 0) written += static_cast<size_t>(k);
            if (k < 0 && errno != EAGAIN) written = input.size();  // child closed its input
            if (written == input.size()) in.closeEnd(1);
        }
        auto drain = [&](int idx, Pipe& p, std::string& sink) {
            if (idx < 0 || !fds[idx].revents) return;
            ssize_t k = read(p.fd[0], buffer, sizeof buffer);
            if (k > 0)
                sink.append(buffer, static_cast<size_t>(k));
            else if (k == 0 || errno != EINTR)
                p.closeEnd(0);
        };
        drain(outIdx, out, result.out);
        drain(errIdx, err, result.err);
    }
    in.closeEnd(1);
}

}  // namespace

RunResult runProgram(const std::string& program, const std::vector<std::string>& args,
                     const std::string& input, const std::string& workdir) {
    signal(SIGPIPE, SIG_IGN);
    Pipe in, out, err;
    pid_t pid = fork();
    if (pid < 0) throw std::runtime_error("fork failed");
    if (pid == 0) execChild(program, args, workdir, in, out, err);
    in.closeEnd(0);
    out.closeEnd(1);
    err.closeEnd(1);
    RunResult result;
    pump(input, in, out, err, result);
    int wstatus = 0;
    while (waitpid(pid, &wstatus, 0) < 0 && errno == EINTR) {
    }
    if (WIFEXITED(wstatus))
        result.status = WEXITSTATUS(wstatus);
    else if (WIFSIGNALED(wstatus))
        result.status = 128 + WTERMSIG(wstatus);
    return result;
}

}  // namespace zenta_test
