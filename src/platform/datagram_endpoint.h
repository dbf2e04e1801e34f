#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QString>

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

namespace quindor::platform {

// How much a datagram endpoint keeps.
struct DatagramLimits {
    // Larger datagrams are dropped on arrival.
    qsizetype maxDatagram = 4096;
    // Beyond these the newest arrivals are dropped.
    qsizetype maxQueued = 200'000;
    qsizetype maxBytes = 64 * 1024 * 1024;
};

// The receiving end of a named datagram channel on this computer: a UDP port derived from the
// channel name, the same on every computer, bound once per computer (a second endpoint of the
// same name fails, as a second mailslot of one name does).
//
// What arrives waits in a queue of the endpoint until its owner takes it, as the system keeps
// the messages of a mailslot. The socket's own buffer holds only a few hundred datagrams, so a
// thread of the endpoint moves each datagram into the queue the moment it arrives; a datagram
// that the accept test refuses, or that is larger than a message can be, never enters it.
class DatagramEndpoint {
public:
    using Limits = DatagramLimits;
    struct Info {
        uint32_t nextSize = 0;
        uint32_t count = 0;
    };
    using AcceptTest = std::function<bool(QByteArrayView)>;

    DatagramEndpoint();
    ~DatagramEndpoint();
    DatagramEndpoint(const DatagramEndpoint&) = delete;
    DatagramEndpoint& operator=(const DatagramEndpoint&) = delete;

    // The port of a channel name: the same for every spelling in capitals or small letters.
    static uint16_t portFor(const QString& name);

    // Binds the port at the local address and starts receiving. False when the port is taken
    // on this computer or no socket can be made; the endpoint stays closed then.
    bool open(const QHostAddress& local, uint16_t port, AcceptTest accept = {},
              Limits limits = Limits());
    void close();
    bool isOpen() const;

    // The size of the next waiting datagram and how many wait.
    Info query() const;
    // The next waiting datagram, none when the queue is empty.
    std::optional<QByteArray> take();
    // Datagrams dropped for their size or a full queue since the endpoint was opened.
    uint64_t dropped() const;

private:
    struct Shared;
    void receive(std::shared_ptr<Shared> shared);

    std::shared_ptr<Shared> shared_;
    std::thread thread_;
};

// Sends datagrams from one socket, bound to the given local address (any when null).
class DatagramSender {
public:
    explicit DatagramSender(const QHostAddress& from = QHostAddress(QHostAddress::AnyIPv4));
    ~DatagramSender();
    DatagramSender(const DatagramSender&) = delete;
    DatagramSender& operator=(const DatagramSender&) = delete;

    // False when the datagram could not be handed to the network; delivery is never known.
    bool send(const QHostAddress& to, uint16_t port, QByteArrayView bytes);

private:
    QHostAddress from_;
    int fd_ = -1;
};

} // namespace quindor::platform
