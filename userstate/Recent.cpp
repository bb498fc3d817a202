#include "Recent.h"

#include <algorithm>
#include <optional>

#include <nlohmann/json.hpp>

#include "RavoDozu/BoundedJson.h"

namespace zelvane {

bool Recent::sameConversion(const Recent& other) const {
    return categoryId == other.categoryId && fromUnitId == other.fromUnitId &&
           toUnitId == other.toUnitId;
}

std::vector<Recent> addingRecent(std::vector<Recent> recents, Recent recent) {
    std::erase_if(recents, [&](const Recent& old) { return old.sameConversion(recent); });
    recents.insert(recents.begin(), std::move(recent));
    if (recents.size() > Recent::limit)
        recents.resize(Recent::limit);
    return recents;
}

std::string encodeRecents(const std::vector<Recent>& recents) {
    auto array = nlohmann::ordered_json::array();
    for (const auto& recent : recents)
        array.push_back({{"categoryId", recent.categoryId},
                         {"fromUnitId", recent.fromUnitId},
                         {"toUnitId", recent.toUnitId},
                         {"input", recent.input}});
    return array.dump();
}

namespace {

std::optional<Recent> decodeRecent(const nlohmann::json& object) {
    auto text = [&](const char* key) {
        auto found = object.find(key);
        return found != object.end() && found->is_string() ? found->get<std::string>()
                                                           : std::optional<std::string>();
    };
    if (!object.is_object() || object.size() != 4)
        return std::nullopt;
    auto categoryId = text("categoryId");
    auto fromUnitId = text("fromUnitId");
    auto toUnitId = text("toUnitId");
    auto input = text("input");
    if (!categoryId || !fromUnitId || !toUnitId || !input)
        return std::nullopt;
    return Recent{*categoryId, *fromUnitId, *toUnitId, *input};
}

} // namespace

ravodozu::Result<std::vector<Recent>, std::string> decodeRecents(std::string_view bytes) {
    auto document = ravodozu::parseBoundedJson(bytes);
    if (!document.is_array())
        return ravodozu::fail(std::string("not a list of recent conversions"));
    std::vector<Recent> recents;
    for (const auto& element : document) {
        auto recent = decodeRecent(element);
        if (!recent)
            return ravodozu::fail("[" + std::to_string(recents.size()) +
                                  "]: not an object of the texts categoryId, fromUnitId, "
                                  "toUnitId and input");
        recents.push_back(std::move(*recent));
    }
    return recents;
}

} // namespace zelvane
