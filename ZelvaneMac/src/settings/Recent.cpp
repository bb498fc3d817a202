#include "Recent.h"

#include <algorithm>

#include <nlohmann/json.hpp>

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

std::optional<std::string> textField(const nlohmann::json& object, const char* key) {
    auto found = object.find(key);
    if (found == object.end() || !found->is_string())
        return std::nullopt;
    return found->get<std::string>();
}

std::optional<Recent> decodeRecent(const nlohmann::json& object) {
    if (!object.is_object())
        return std::nullopt;
    auto categoryId = textField(object, "categoryId");
    auto fromUnitId = textField(object, "fromUnitId");
    auto toUnitId = textField(object, "toUnitId");
    auto input = textField(object, "input");
    if (!categoryId || !fromUnitId || !toUnitId || !input)
        return std::nullopt;
    return Recent{*categoryId, *fromUnitId, *toUnitId, *input};
}

} // namespace

std::optional<std::vector<Recent>> decodeRecents(std::string_view bytes) {
    auto document = nlohmann::json::parse(bytes, nullptr, false);
    if (!document.is_array())
        return std::nullopt;
    std::vector<Recent> recents;
    for (const auto& element : document) {
        auto recent = decodeRecent(element);
        if (!recent)
            return std::nullopt;
        recents.push_back(std::move(*recent));
    }
    return recents;
}

} // namespace zelvane
