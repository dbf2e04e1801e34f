// Feeds arbitrary bytes to the reader of a network exercise's settings file: anybody who can
// write the communication folder can put one there, so a damaged or hostile one must be refused
// without crash, hang or unchecked allocation.
#include "network/exercise_files.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    quindor::ParseExerciseSettings(bytes, quindor::UebDataTyp());
    return 0;
}
