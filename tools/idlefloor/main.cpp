// The least a program can pay for the tool's battery round over a local socket: every 2.9 s the
// peer (a child process, as the virtual mouse is a process of its own) ends a wait, the program
// sends a 33-byte query with the next wait behind it, and the peer answers 32 bytes. The idle
// figures run it beside the tool, so that the tool's cost is also seen against what the machine
// charges for the same two wakes per round at that moment. Runs until it is killed.
#include <csignal>
#include <cstring>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
constexpr int kRoundMs = 2900;

bool receiveSome(int fd, int timeoutMs)
{
    pollfd p{fd, POLLIN, 0};
    if (::poll(&p, 1, timeoutMs) <= 0)
        return false;
    char buffer[128];
    return ::recv(fd, buffer, sizeof buffer, 0) > 0;
}

[[noreturn]] void servePeer(int fd)
{
    // Goes with its parent, however that ends.
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    char answer[32];
    std::memset(answer, 0xAA, sizeof answer);
    for (;;) {
        if (!receiveSome(fd, -1))
            _exit(0);
        if (::send(fd, answer, sizeof answer, MSG_NOSIGNAL) < 0)
            _exit(0);
        // The wait that came with the query: nothing arrives, so it runs out.
        pollfd p{fd, POLLIN, 0};
        ::poll(&p, 1, kRoundMs);
        if (::send(fd, answer, 8, MSG_NOSIGNAL) < 0)
            _exit(0);
    }
}
} // namespace

int main()
{
    int fds[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, fds) != 0)
        return 1;
    if (::fork() == 0) {
        ::close(fds[0]);
        servePeer(fds[1]);
    }
    ::close(fds[1]);
    char query[33 + 8];
    std::memset(query, 0x0A, sizeof query);
    for (;;) {
        if (::send(fds[0], query, sizeof query, MSG_NOSIGNAL) < 0)
            return 0;
        // One wake for the answer, one for the end of the wait.
        if (!receiveSome(fds[0], 2000) || !receiveSome(fds[0], kRoundMs + 2000))
            return 0;
    }
}
