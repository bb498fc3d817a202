#include "HandOverReader.h"

namespace zelvane {

namespace {

constexpr std::uint32_t nullText = 0xffffffff;

std::uint32_t wordAt(std::string_view bytes, std::size_t at) {
    std::uint32_t word = 0;
    for (std::size_t index = 0; index < 4; ++index)
        word = word << 8 | static_cast<unsigned char>(bytes[at + index]);
    return word;
}

void appendWord(std::string& bytes, std::uint32_t word) {
    for (int shift = 24; shift >= 0; shift -= 8)
        bytes += static_cast<char>(word >> shift & 0xff);
}

void appendText(std::string& bytes, const std::u16string& text) {
    appendWord(bytes, static_cast<std::uint32_t>(text.size() * 2));
    for (char16_t unit : text) {
        bytes += static_cast<char>(unit >> 8);
        bytes += static_cast<char>(unit & 0xff);
    }
}

} // namespace

HandOverReader::State HandOverReader::feed(std::string_view bytes) {
    if (state_ != State::reading)
        return state_;
    if (bytes.size() > maxMessageBytes - buffer_.size())
        return state_ = State::refused;
    buffer_.append(bytes);
    advance();
    return state_;
}

std::optional<std::u16string> HandOverReader::text() {
    if (buffer_.size() - at_ < 4)
        return std::nullopt;
    const std::uint32_t length = wordAt(buffer_, at_);
    if (length == nullText) {
        at_ += 4;
        return std::u16string();
    }
    // UTF-16 comes in pairs of bytes, and a text longer than a message can never arrive.
    if (length % 2 != 0 || length > maxMessageBytes) {
        state_ = State::refused;
        return std::nullopt;
    }
    if (buffer_.size() - at_ - 4 < length)
        return std::nullopt;
    std::u16string text(length / 2, u'\0');
    for (std::size_t index = 0; index < text.size(); ++index)
        text[index] =
            static_cast<char16_t>(static_cast<unsigned char>(buffer_[at_ + 4 + 2 * index]) << 8 |
                                  static_cast<unsigned char>(buffer_[at_ + 5 + 2 * index]));
    at_ += 4 + length;
    return text;
}

void HandOverReader::advance() {
    if (!count_) {
        if (buffer_.size() - at_ < 4)
            return;
        count_ = wordAt(buffer_, at_);
        at_ += 4;
        if (*count_ > maxArguments) {
            state_ = State::refused;
            return;
        }
    }
    while (arguments_.size() < *count_) {
        auto next = text();
        if (!next)
            return;
        arguments_.push_back(std::move(*next));
    }
    if (at_ == buffer_.size()) {
        state_ = State::complete;
    } else if (auto bus = text()) {
        sessionBus_ = std::move(*bus);
        state_ = State::complete;
    }
}

std::string HandOverReader::encode(const std::vector<std::u16string>& arguments,
                                   const std::u16string& sessionBus) {
    std::string bytes;
    appendWord(bytes, static_cast<std::uint32_t>(arguments.size()));
    for (const auto& argument : arguments)
        appendText(bytes, argument);
    if (!sessionBus.empty())
        appendText(bytes, sessionBus);
    return bytes;
}

} // namespace zelvane
