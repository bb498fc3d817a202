// HandOverReader: reads the message a later start of zelvane sends to the running one, in the
// pieces the socket delivers, without trusting a byte of it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zelvane {

/// The message is Qt's QDataStream form (version 6, big-endian) of a QStringList, the
/// arguments, optionally followed by a QString, the sender's session bus address: a 32-bit
/// count, then per text a 32-bit byte length (0xffffffff for a null text) and its UTF-16.
/// Every byte is looked at once, however the message is split, and nothing past the limits is
/// held: a later start sends a few short arguments, or one share link, and one address.
class HandOverReader {
  public:
    /// Room for the longest share link (about 87,400 characters of UTF-16) and the rest.
    static constexpr std::size_t maxMessageBytes = 256 * 1024;
    static constexpr std::uint32_t maxArguments = 64;

    enum class State {
        reading,  ///< More bytes are needed.
        complete, ///< arguments() and sessionBus() hold the message.
        refused,  ///< Malformed or past a limit: the sender is to be dropped.
    };

    /// Takes the next bytes as they arrived. A message whose arguments end with the bytes at
    /// hand carries no address: the sender writes the whole message at once.
    State feed(std::string_view bytes);
    State state() const { return state_; }

    const std::vector<std::u16string>& arguments() const { return arguments_; }
    /// Empty when the sender named no session bus.
    const std::u16string& sessionBus() const { return sessionBus_; }

    /// The QDataStream form of `arguments` and, unless empty, `sessionBus`.
    static std::string encode(const std::vector<std::u16string>& arguments,
                              const std::u16string& sessionBus);

  private:
    /// The next text; none while its bytes have not all arrived (or it is malformed: state_).
    std::optional<std::u16string> text();
    void advance();

    std::string buffer_;
    std::size_t at_ = 0; ///< Where the first field not yet read starts in buffer_.
    std::optional<std::uint32_t> count_;
    std::vector<std::u16string> arguments_;
    std::u16string sessionBus_;
    State state_ = State::reading;
};

} // namespace zelvane
