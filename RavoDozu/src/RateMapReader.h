// RateMapReader: the "rates" object shared by the stored snapshot and the sources' bodies.
#pragma once

#include <map>
#include <string>

#include "JsonReader.h"

namespace ravodozu::detail {

/// An object of numbers keyed by currency code; any other member fails the whole map.
std::map<std::string, double, std::less<>> readRateMap(const JsonReader& reader);

} // namespace ravodozu::detail
