// The hand-over message of a later start: any bytes, split anywhere, are read or refused, and
// what is read reads back the same from its own encoding.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "HandOverReader.h"

using zelvane::HandOverReader;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    // The first byte is the size of the pieces the socket delivers.
    const std::size_t piece = data[0] + 1u;
    std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    HandOverReader reader;
    for (std::size_t at = 0; at < bytes.size(); at += piece)
        if (reader.feed(bytes.substr(at, piece)) != HandOverReader::State::reading)
            break;
    if (reader.state() != HandOverReader::State::complete)
        return 0;
    HandOverReader again;
    again.feed(HandOverReader::encode(reader.arguments(), reader.sessionBus()));
    if (again.state() != HandOverReader::State::complete ||
        again.arguments() != reader.arguments() || again.sessionBus() != reader.sessionBus())
        std::abort();
    return 0;
}
