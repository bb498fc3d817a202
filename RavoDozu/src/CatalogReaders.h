// Throwing readers for the catalog's records, shared by the decoders that nest them.
#pragma once

#include "JsonReader.h"
#include "RavoDozu/UnitCatalog.h"

namespace ravodozu::detail {

Conversion readConversion(const JsonReader& reader);
UnitDefinition readUnitDefinition(const JsonReader& reader);
UnitCategory readUnitCategory(const JsonReader& reader);
CurrencyCatalog readCurrencyCatalog(const JsonReader& reader);

} // namespace ravodozu::detail
