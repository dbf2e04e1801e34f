// Feeds arbitrary bytes to the reader of participants' message files and hands what it reads
// to the initiator's receiver, as the collector does: every participant writes such files.
#include "network/envelope.h"
#include "network/master_receiver.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const std::optional<quindor::NetMessage> message = quindor::ParseMessageFile(bytes);
    if (!message)
        return 0;
    quindor::ControlGrid grid;
    grid.prepare(5, false, 0);
    quindor::RecordingMessages messages;
    quindor::MasterReceiver receiver(grid, messages);
    // No best list: an entry that converts would be written nowhere.
    receiver.reset({1, 2, 0, 3, 4, 5});
    receiver.receive(message->computerName, message->text);
    return 0;
}
