// Build step: checks the catalog, packs and templates of a resource bundle in full and writes the
// index that lets the library decode its categories on first use (units/catalog-index.json).
#include <filesystem>
#include <fstream>
#include <iostream>

#include "CatalogIndex.h"
#include "JsonReader.h"
#include "RavoDozu/CatalogCheck.h"
#include "RavoDozu/UnitCatalog.h"

namespace fs = std::filesystem;
using namespace ravodozu;

namespace {
int failure(const std::string& message) {
    std::cerr << "catalog_index: " << message << "\n";
    return 1;
}

// Every user reads every text in their language: a gap would show English on their screen.
bool allNamed(const std::vector<std::string>& unnamed) {
    for (const auto& problem : unnamed)
        std::cerr << "catalog_index: missing texts for " << problem << "\n";
    return unnamed.empty();
}

bool writeAtomically(const fs::path& path, const std::string& text) {
    auto temporary = path;
    temporary += ".tmp";
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        if (!(file << text) || !file.flush())
            return false;
    }
    std::error_code error;
    fs::rename(temporary, path, error);
    return !error;
}
} // namespace

int main(int argc, char** argv) {
    if (argc != 2)
        return failure("usage: catalog_index BUNDLE_DIR");
    ResourceBundle bundle{argv[1]};
    auto indexPath =
        bundle.root / "units" / (std::string(detail::CatalogIndex::resourceName) + ".json");
    std::error_code ignored;
    fs::remove(indexPath, ignored); // the check below must decode everything

    auto checked = UnitCatalog::load(bundle);
    if (!checked)
        return failure(checked.error().describe());
    auto packs = loadPacks(bundle);
    if (!packs)
        return failure(packs.error().describe());
    auto templates = loadTemplates(bundle);
    if (!templates)
        return failure(templates.error().describe());
    bool named = allNamed(missingNames(*checked, *packs));
    if (!allNamed(missingTexts(*templates)) || !named)
        return failure("some texts lack a language");
    auto core = detail::readFile(bundle.root / "units" / "core.json");
    auto currency = detail::readFile(bundle.root / "units" / "currency.json");
    if (!core || !currency)
        return failure("cannot read the catalog files");
    auto spans = detail::findCategorySpans(*core);
    if (!spans || spans->size() != checked->categories().size())
        return failure("cannot find the categories in core.json");

    detail::CatalogIndex index{detail::contentHash(*core), detail::contentHash(*currency),
                               checked->currencyCategoryId(), std::move(*spans)};
    if (!writeAtomically(indexPath, index.encode()))
        return failure("cannot write " + indexPath.string());

    // Decoding category by category through the index must give the very same catalog.
    auto indexed = UnitCatalog::load(bundle);
    if (!indexed || !(*indexed == *checked)) {
        fs::remove(indexPath, ignored);
        return failure("the index does not reproduce the catalog");
    }
    return 0;
}
