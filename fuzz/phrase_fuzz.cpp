// Typed phrases: any text is read or refused without crashing, and a phrase that is read names a
// unit of the category it reports, with a number that reads back as one.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "BundledContext.h"
#include "PhrasePatterns.h"
#include "QuickInput.h"
#include "ShownConversion.h"
#include "UnitText.h"

using namespace ravodozu;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    (void)zelvane::isPlainNumber(text);
    (void)zelvane::normalizedUnitText(text);
    auto quick = zelvane::QuickInput::parse(text, "length", bundledContext());
    if (!quick)
        return 0;
    auto category = bundledContext().category(quick->categoryId);
    if (!category || !category->unit(quick->fromUnitId))
        std::abort();
    if (quick->toUnitId &&
        (*quick->toUnitId == quick->fromUnitId || !category->unit(*quick->toUnitId)))
        std::abort();
    auto shown = zelvane::ShownConversion::build(quick->categoryId, quick->fromUnitId,
                                                 quick->number, quick->toUnitId, bundledContext());
    if (!shown.fromUnit)
        std::abort();
    return 0;
}
