#include "platform/InputReportNode.h"

#include <QElapsedTimer>

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

namespace {

class HidrawNode final : public InputReportNode
{
public:
    HidrawNode(int node, int wake) : m_node(node), m_wake(wake) {}
    ~HidrawNode() override
    {
        ::close(m_node);
        ::close(m_wake);
    }

    int read(unsigned char *data, std::size_t length, int timeoutMs) override;
    void interrupt() override
    {
        // The counter is never read back, so the eventfd stays readable and
        // every later wait ends at once too.
        const eventfd_t one = 1;
        while (::write(m_wake, &one, sizeof one) < 0 && errno == EINTR) {
        }
    }

private:
    const int m_node;
    const int m_wake;
};

int HidrawNode::read(unsigned char *data, std::size_t length, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        int wait = timeoutMs;
        if (timeoutMs > 0) {
            wait = timeoutMs - int(clock.elapsed());
            if (wait < 0)
                wait = 0;
        }
        pollfd fds[2] = {{m_node, POLLIN, 0}, {m_wake, POLLIN, 0}};
        const int ready = ::poll(fds, 2, wait);
        if (ready < 0) {
            if (errno == EINTR)
                continue;
            return -1;
        }
        if (fds[1].revents)
            return -1;
        if (ready == 0)
            return 0;
        // An unplugged device reports an error or hang-up on its node.
        if (fds[0].revents & (POLLERR | POLLHUP | POLLNVAL))
            return -1;
        const ssize_t n = ::read(m_node, data, length);
        if (n >= 0)
            return int(n);
        if (errno != EAGAIN && errno != EINTR)
            return -1;
        // Nothing after all (another reader of this file took it): wait on.
        if (timeoutMs == 0)
            return 0;
    }
}

} // namespace

std::unique_ptr<InputReportNode> InputReportNode::open(const QByteArray &path)
{
    const int node = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (node < 0)
        return nullptr;
    const int wake = ::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    if (wake < 0) {
        ::close(node);
        return nullptr;
    }
    return std::make_unique<HidrawNode>(node, wake);
}

int InputReportNode::openErrno(const QByteArray &path)
{
    const int node = ::open(path.constData(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
    if (node < 0)
        return errno;
    ::close(node);
    return 0;
}
