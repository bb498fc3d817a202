#include "CatalogIndex.h"

#include <charconv>
#include <cstring>

#include <nlohmann/json.hpp>

#include "RavoDozu/BoundedJson.h"

namespace ravodozu::detail {

namespace {

/// Walks JSON text that a full parser has already accepted: it only has to find the borders of
/// values, never to judge them.
class Cursor {
  public:
    explicit Cursor(std::string_view text) : text_(text) {}

    std::size_t position() const { return at_; }

    bool take(char wanted) {
        skipBlanks();
        if (at_ >= text_.size() || text_[at_] != wanted)
            return false;
        ++at_;
        return true;
    }

    /// The raw text between the quotes of a string, escapes left as written.
    std::optional<std::string_view> string() {
        if (!take('"'))
            return std::nullopt;
        auto start = at_;
        while (at_ < text_.size() && text_[at_] != '"')
            at_ += text_[at_] == '\\' ? 2 : 1;
        if (at_ >= text_.size())
            return std::nullopt;
        return text_.substr(start, at_++ - start);
    }

    bool skipValue() {
        skipBlanks();
        int depth = 0;
        while (at_ < text_.size()) {
            char c = text_[at_];
            if (c == '"') {
                if (!string())
                    return false;
            } else if (c == '{' || c == '[') {
                ++depth, ++at_;
            } else if (c == '}' || c == ']') {
                if (depth == 0)
                    return true;
                --depth, ++at_;
            } else if (c == ',' && depth == 0) {
                return true;
            } else {
                ++at_;
            }
            if (depth == 0 && (c == '"' || c == '}' || c == ']'))
                return true;
        }
        return depth == 0;
    }

    /// Calls `member(key)` for each member of the object starting here; `member` must consume
    /// the value. False when the text is not an object of that form.
    template <class F> bool members(F&& member) {
        if (!take('{'))
            return false;
        if (take('}'))
            return true;
        do {
            auto key = string();
            if (!key || !take(':') || !member(*key))
                return false;
        } while (take(','));
        return take('}');
    }

    void skipBlanks() {
        while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\n' ||
                                      text_[at_] == '\r' || text_[at_] == '\t'))
            ++at_;
    }

  private:
    std::string_view text_;
    std::size_t at_ = 0;
};

std::optional<CatalogIndex::Span> categorySpan(Cursor& cursor) {
    cursor.skipBlanks();
    CatalogIndex::Span span;
    span.offset = cursor.position();
    bool read = cursor.members([&](std::string_view key) {
        if (key != "id")
            return cursor.skipValue();
        auto id = cursor.string();
        if (!id || id->find('\\') != std::string_view::npos)
            return false;
        span.categoryId = std::string(*id);
        return true;
    });
    if (!read || span.categoryId.empty())
        return std::nullopt;
    span.length = cursor.position() - span.offset;
    return span;
}

std::string hex(std::uint64_t value) {
    char buffer[16];
    auto end = std::to_chars(buffer, buffer + sizeof buffer, value, 16).ptr;
    return std::string(buffer, end);
}

std::optional<std::uint64_t> fromHex(const nlohmann::json& value) {
    if (!value.is_string())
        return std::nullopt;
    const auto& text = value.get_ref<const std::string&>();
    std::uint64_t result = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), result, 16);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return result;
}

} // namespace

std::uint64_t contentHash(std::string_view bytes) {
    // FNV-1a over 8-byte words, folded so that high bits reach the low ones: every start-up
    // hashes both catalog files, and a byte at a time costs four times as much.
    std::uint64_t hash = 0xcbf29ce484222325;
    auto mix = [&](std::uint64_t word) {
        hash = (hash ^ word) * 0x100000001b3;
        hash ^= hash >> 29;
    };
    std::size_t at = 0;
    for (; at + 8 <= bytes.size(); at += 8) {
        std::uint64_t word;
        std::memcpy(&word, bytes.data() + at, 8);
        mix(word);
    }
    for (; at < bytes.size(); ++at)
        mix(static_cast<unsigned char>(bytes[at]));
    return hash;
}

std::optional<std::vector<CatalogIndex::Span>> findCategorySpans(std::string_view coreText) {
    Cursor cursor(coreText);
    std::vector<CatalogIndex::Span> spans;
    bool found = false;
    bool read = cursor.members([&](std::string_view key) {
        if (key != "categories")
            return cursor.skipValue();
        found = true;
        if (!cursor.take('['))
            return false;
        if (cursor.take(']'))
            return true;
        do {
            auto span = categorySpan(cursor);
            if (!span)
                return false;
            spans.push_back(std::move(*span));
        } while (cursor.take(','));
        return cursor.take(']');
    });
    if (!read || !found)
        return std::nullopt;
    return spans;
}

bool CatalogIndex::describes(std::string_view coreText, std::string_view currencyText) const {
    return contentHash(coreText) == coreHash && contentHash(currencyText) == currencyHash;
}

std::string CatalogIndex::encode() const {
    nlohmann::json spans = nlohmann::json::array();
    for (const auto& span : categories)
        spans.push_back(
            {{"id", span.categoryId}, {"offset", span.offset}, {"length", span.length}});
    nlohmann::json document = {{"core", hex(coreHash)},
                               {"currency", hex(currencyHash)},
                               {"currencyCategory", currencyCategoryId},
                               {"categories", spans}};
    return document.dump() + "\n";
}

std::optional<CatalogIndex> CatalogIndex::decode(std::string_view text) {
    auto document = parseBoundedJson(text);
    if (!document.is_object())
        return std::nullopt;
    auto core = fromHex(document.value("core", nlohmann::json()));
    auto currency = fromHex(document.value("currency", nlohmann::json()));
    auto currencyCategory = document.value("currencyCategory", nlohmann::json());
    auto spans = document.value("categories", nlohmann::json());
    if (!core || !currency || !currencyCategory.is_string() || !spans.is_array())
        return std::nullopt;
    CatalogIndex index{*core, *currency, currencyCategory.get<std::string>(), {}};
    for (const auto& span : spans) {
        if (!span.is_object() || !span.value("id", nlohmann::json()).is_string() ||
            !span.value("offset", nlohmann::json()).is_number_unsigned() ||
            !span.value("length", nlohmann::json()).is_number_unsigned())
            return std::nullopt;
        index.categories.push_back({span["id"].get<std::string>(),
                                    span["offset"].get<std::size_t>(),
                                    span["length"].get<std::size_t>()});
    }
    return index;
}

} // namespace ravodozu::detail
