#include "RavoDozu/Converter.h"

namespace ravodozu::Converter {

double convert(double value, const UnitDefinition& from, const UnitDefinition& to) {
    if (from.id == to.id)
        return value;
    return fromBase(to.conversion, toBase(from.conversion, value));
}

} // namespace ravodozu::Converter
