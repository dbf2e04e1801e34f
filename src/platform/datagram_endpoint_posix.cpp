#include "platform/datagram_endpoint.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/uio.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <vector>

namespace quindor::platform {

namespace {

sockaddr_in SocketAddress(const QHostAddress& address, uint16_t port) {
    sockaddr_in result{};
    result.sin_family = AF_INET;
    result.sin_port = htons(port);
    result.sin_addr.s_addr = htonl(address.isNull() ? INADDR_ANY : address.toIPv4Address());
    return result;
}

} // namespace

struct DatagramEndpoint::Shared {
    int socket = -1;
    // Written to wake the receiving thread when the endpoint closes.
    int wake[2] = {-1, -1};
    AcceptTest accept;
    Limits limits;
    mutable std::mutex mutex;
    std::deque<QByteArray> queue;
    qsizetype queuedBytes = 0;
    std::atomic<uint64_t> dropped{0};
};

DatagramEndpoint::DatagramEndpoint() = default;

DatagramEndpoint::~DatagramEndpoint() {
    close();
}

uint16_t DatagramEndpoint::portFor(const QString& name) {
    // FNV-1a over the name in capitals, into 20000..29999: below the ports the system hands
    // out to its own sockets.
    uint32_t hash = 2166136261u;
    for (const char c : name.toUpper().toUtf8()) {
        hash ^= static_cast<uint8_t>(c);
        hash *= 16777619u;
    }
    return static_cast<uint16_t>(20000 + hash % 10000);
}

bool DatagramEndpoint::open(const QHostAddress& local, uint16_t port, AcceptTest accept,
                            Limits limits) {
    close();
    auto shared = std::make_shared<Shared>();
    shared->accept = std::move(accept);
    shared->limits = limits;
    shared->socket = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (shared->socket < 0)
        return false;
    // A large buffer rides out the moments the receiving thread waits for a processor; the
    // system grants at most its net.core.rmem_max.
    const int buffer = 32 * 1024 * 1024;
    ::setsockopt(shared->socket, SOL_SOCKET, SO_RCVBUF, &buffer, sizeof buffer);
    const sockaddr_in address = SocketAddress(local, port);
    if (::bind(shared->socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        ::pipe2(shared->wake, O_CLOEXEC | O_NONBLOCK) != 0) {
        ::close(shared->socket);
        for (int fd : shared->wake) {
            if (fd >= 0)
                ::close(fd);
        }
        return false;
    }
    shared_ = shared;
    thread_ = std::thread([this, shared] { receive(shared); });
    return true;
}

void DatagramEndpoint::receive(std::shared_ptr<Shared> shared) {
    // Up to 64 datagrams a call: a burst of a whole class leaves the socket's buffer quickly.
    constexpr int kBatch = 64;
    constexpr size_t kSlot = 8192;
    std::vector<char> buffer(kBatch * kSlot);
    std::vector<iovec> pieces(kBatch);
    std::vector<mmsghdr> headers(kBatch);
    pollfd fds[2] = {{shared->socket, POLLIN, 0}, {shared->wake[0], POLLIN, 0}};
    while (true) {
        if (::poll(fds, 2, -1) < 0) {
            if (errno == EINTR)
                continue;
            return;
        }
        if (fds[1].revents != 0)
            return;
        while (true) {
            for (int i = 0; i < kBatch; ++i) {
                pieces[i] = {buffer.data() + i * kSlot, kSlot};
                headers[i] = {};
                headers[i].msg_hdr.msg_iov = &pieces[i];
                headers[i].msg_hdr.msg_iovlen = 1;
            }
            const int received = ::recvmmsg(shared->socket, headers.data(), kBatch, 0, nullptr);
            if (received <= 0)
                break;
            for (int i = 0; i < received; ++i) {
                const qsizetype size = headers[i].msg_len;
                if (size > shared->limits.maxDatagram ||
                    (headers[i].msg_hdr.msg_flags & MSG_TRUNC) != 0) {
                    ++shared->dropped;
                    continue;
                }
                const QByteArrayView datagram(buffer.data() + i * kSlot, size);
                if (shared->accept && !shared->accept(datagram))
                    continue;
                const std::lock_guard lock(shared->mutex);
                if (static_cast<qsizetype>(shared->queue.size()) >= shared->limits.maxQueued ||
                    shared->queuedBytes + size > shared->limits.maxBytes) {
                    ++shared->dropped;
                    continue;
                }
                shared->queue.emplace_back(datagram.toByteArray());
                shared->queuedBytes += size;
            }
        }
    }
}

void DatagramEndpoint::close() {
    if (!shared_)
        return;
    const char stop = 0;
    [[maybe_unused]] const ssize_t written = ::write(shared_->wake[1], &stop, 1);
    if (thread_.joinable())
        thread_.join();
    ::close(shared_->socket);
    ::close(shared_->wake[0]);
    ::close(shared_->wake[1]);
    shared_.reset();
}

bool DatagramEndpoint::isOpen() const {
    return shared_ != nullptr;
}

DatagramEndpoint::Info DatagramEndpoint::query() const {
    if (!shared_)
        return {};
    const std::lock_guard lock(shared_->mutex);
    if (shared_->queue.empty())
        return {};
    return {static_cast<uint32_t>(shared_->queue.front().size()),
            static_cast<uint32_t>(shared_->queue.size())};
}

std::optional<QByteArray> DatagramEndpoint::take() {
    if (!shared_)
        return std::nullopt;
    const std::lock_guard lock(shared_->mutex);
    if (shared_->queue.empty())
        return std::nullopt;
    QByteArray next = std::move(shared_->queue.front());
    shared_->queue.pop_front();
    shared_->queuedBytes -= next.size();
    return next;
}

uint64_t DatagramEndpoint::dropped() const {
    return shared_ ? shared_->dropped.load() : 0;
}

DatagramSender::DatagramSender(const QHostAddress& from) : from_(from) {}

DatagramSender::~DatagramSender() {
    if (fd_ >= 0)
        ::close(fd_);
}

bool DatagramSender::send(const QHostAddress& to, uint16_t port, QByteArrayView bytes) {
    if (to.isNull() || to.protocol() != QAbstractSocket::IPv4Protocol)
        return false;
    if (fd_ < 0) {
        fd_ = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
        if (fd_ < 0)
            return false;
        const sockaddr_in local = SocketAddress(from_, 0);
        if (::bind(fd_, reinterpret_cast<const sockaddr*>(&local), sizeof local) != 0) {
            ::close(fd_);
            fd_ = -1;
            return false;
        }
    }
    const sockaddr_in target = SocketAddress(to, port);
    const ssize_t sent = ::sendto(fd_, bytes.data(), static_cast<size_t>(bytes.size()), 0,
                                  reinterpret_cast<const sockaddr*>(&target), sizeof target);
    return sent == bytes.size();
}

} // namespace quindor::platform
