// The context a fuzz target converts in: the bundled catalog, default preferences, no rates.
#pragma once

#include "RavoDozu/ConversionContext.h"

inline const ravodozu::ConversionContext& bundledContext() {
    using namespace ravodozu;
    static const ConversionContext shared(
        std::make_shared<const UnitCatalog>(UnitCatalog::loadBundled().valueOr(UnitCatalog{})),
        std::make_shared<const UserPreferences>(), nullptr,
        std::make_shared<const CustomLibrary>());
    return shared;
}
