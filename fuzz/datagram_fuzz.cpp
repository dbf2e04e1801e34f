// Feeds arbitrary bytes to the datagram parser and hands what it accepts to the initiator's
// receiver, twice, the second time as if after an announcement: anybody on the network can
// send datagrams to the teacher's computer.
#include "network/envelope.h"
#include "network/master_receiver.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const bool marked = quindor::StartsWithMarker(bytes);
    const std::optional<quindor::NetMessage> message = quindor::ParseDatagram(bytes);
    // The receiving thread's quick test lets through everything the parser accepts.
    if (message && !marked)
        __builtin_trap();
    if (!message)
        return 0;
    quindor::ControlGrid grid;
    grid.prepare(3, true, 2);
    quindor::RecordingMessages messages;
    quindor::MasterReceiver receiver(grid, messages);
    receiver.reset({1, 0, 2, 3});
    receiver.receive(message->computerName, message->text);
    const QStringList lines = quindor::SplitMessageLines(message->text);
    receiver.receive(message->computerName,
                     quindor::JoinMessageLines({QStringLiteral("TN-INIT"), lines.value(1)}));
    receiver.receive(message->computerName, message->text);
    grid.toText();
    return 0;
}
