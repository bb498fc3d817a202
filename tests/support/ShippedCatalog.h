// The catalog as shipped in the resource bundle, loaded once per test program.
#pragma once

#include <gtest/gtest.h>

#include "RavoDozu/UnitCatalog.h"

namespace zelvane::testing {

/// The bundled catalog; a load failure fails the test that asked and yields an empty catalog.
inline const ravodozu::UnitCatalog& shippedCatalog() {
    static const ravodozu::UnitCatalog catalog = [] {
        auto loaded = ravodozu::UnitCatalog::loadBundled();
        if (!loaded) {
            ADD_FAILURE() << loaded.error().describe();
            return ravodozu::UnitCatalog{};
        }
        return std::move(loaded).value();
    }();
    return catalog;
}

} // namespace zelvane::testing
