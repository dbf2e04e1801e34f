#pragma once

#include "core/messages.h"
#include "exercise/best_list.h"

namespace quindor::test {

// Reads a best list as the window does: on a failure the message it calls for is shown
// through the port; true when the entries were read.
inline bool ReadBestListTelling(const QString& path, bool network,
                                std::vector<BestListDataTyp>& entries, Messages& messages) {
    BestListLoad load = LoadBestList(path);
    entries = std::move(load.entries);
    if (const auto message = BestListLoadMessage(load.status, path, network))
        messages.show(message->kind, message->text, MessageButtons::Ok);
    return load.ok();
}

} // namespace quindor::test
