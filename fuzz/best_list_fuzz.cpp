// Feeds arbitrary bytes to the best-list parser: best lists lie in shared folders that anybody
// may write, so a damaged one must be refused without crash, hang or unchecked allocation.
#include "exercise/best_list.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<quindor::BestListDataTyp> entries;
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (quindor::ParseBestList(bytes, entries))
        quindor::SortBestList(entries);
    return 0;
}
