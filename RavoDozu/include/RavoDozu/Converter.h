// Converter: a value in one unit as a value in another unit of the same category.
#pragma once

#include "RavoDozu/UnitCatalog.h"

namespace ravodozu::Converter {

/// Through the base unit; the same unit id returns `value` untouched, bit for bit.
double convert(double value, const UnitDefinition& from, const UnitDefinition& to);

} // namespace ravodozu::Converter
