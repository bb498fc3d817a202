// A response body from any of the three rate sources: a snapshot or an error, never a crash.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "RavoDozu/RatesClient.h"

using ravodozu::RatesClient;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view body(reinterpret_cast<const char*>(data), size);
    const RatesClient::Source sources[] = {RatesClient::Relay{"http://127.0.0.1/rates"},
                                           RatesClient::ExchangeRateAPI{},
                                           RatesClient::Frankfurter{}};
    for (const auto& source : sources)
        (void)RatesClient::parseBody(source, body, 0);
    return 0;
}
