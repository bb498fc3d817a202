#include "RavoDozu/ShareCleanUp.h"

namespace ravodozu::CustomShare {

namespace {

using Kind = CleanUpChange::Kind;

class Changes {
  public:
    void text(Kind kind, const std::string& before, const std::string& after) {
        if (before != after)
            list_.push_back({kind, before, after});
    }
    void removed(Kind kind, bool wasThere, std::string before) {
        if (wasThere)
            list_.push_back({kind, std::move(before), {}});
    }
    void unit(const CustomUnit& before, const CustomUnit& after) {
        text(Kind::nameCut, before.name, after.name);
        text(Kind::symbolCut, before.symbol, after.symbol);
        removed(Kind::ruleRemoved, before.rule && !after.rule, after.name);
    }
    void parameters(const std::vector<CustomParameter>& before,
                    const std::vector<CustomParameter>& after) {
        for (std::size_t i = 0; i < before.size() && i < after.size(); ++i)
            text(Kind::noteCut, before[i].note, after[i].note);
    }
    void source(const std::optional<std::string>& before) {
        removed(Kind::sourceRemoved, before.has_value(), before.value_or(""));
    }
    std::vector<CleanUpChange> list() && { return std::move(list_); }

  private:
    std::vector<CleanUpChange> list_;
};

} // namespace

std::vector<CleanUpChange> cleanUpChanges(const Payload& arrived, const Payload& kept) {
    Changes changes;
    const auto* before = arrived.conversion();
    const auto* after = kept.conversion();
    if (before && after) {
        changes.text(Kind::nameCut, before->name, after->name);
        changes.text(Kind::glyphCut, before->glyph, after->glyph);
        changes.removed(Kind::decimalsRemoved, before->decimals && !after->decimals,
                        before->decimals ? std::to_string(*before->decimals) : "");
        for (std::size_t i = 0; i < before->units.size() && i < after->units.size(); ++i)
            changes.unit(before->units[i], after->units[i]);
        changes.parameters(before->parameters, after->parameters);
        changes.source(before->source);
    } else if (arrived.extra() && kept.extra()) {
        changes.unit(arrived.extra()->unit, kept.extra()->unit);
        changes.parameters(arrived.extra()->parameters, kept.extra()->parameters);
        changes.source(arrived.extra()->source);
    }
    return std::move(changes).list();
}

} // namespace ravodozu::CustomShare
