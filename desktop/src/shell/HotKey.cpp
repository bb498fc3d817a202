#include "HotKey.h"

#include <QGuiApplication>

#include <xcb/xcb.h>

#include <array>
#include <memory>

namespace zelvane {

namespace {

constexpr std::uint32_t keysymU = 0x75;
constexpr std::uint32_t keysymSpace = 0x20;
constexpr std::uint32_t keysymAltL = 0xffe9;
constexpr std::uint32_t keysymSuperL = 0xffeb;
constexpr std::uint32_t keysymNumLock = 0xff7f;
constexpr std::uint8_t badAccess = 10;

struct FreeDeleter {
    void operator()(void* pointer) const { std::free(pointer); }
};
template <class T> using Reply = std::unique_ptr<T, FreeDeleter>;

xcb_connection_t* connection() {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

xcb_window_t rootWindow(xcb_connection_t* c) {
    return xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
}

/// The server's keyboard map: which keysyms each keycode carries.
class KeyboardMap {
  public:
    explicit KeyboardMap(xcb_connection_t* c) {
        const xcb_setup_t* setup = xcb_get_setup(c);
        first_ = setup->min_keycode;
        const int count = setup->max_keycode - setup->min_keycode + 1;
        reply_.reset(
            xcb_get_keyboard_mapping_reply(c, xcb_get_keyboard_mapping(c, first_, count), nullptr));
    }

    /// The first keycode whose first two levels carry `keysym`; 0 when none does.
    std::uint8_t keycodeOf(std::uint32_t keysym) const {
        if (!reply_)
            return 0;
        const int perCode = reply_->keysyms_per_keycode;
        const xcb_keysym_t* syms = xcb_get_keyboard_mapping_keysyms(reply_.get());
        const int total = xcb_get_keyboard_mapping_keysyms_length(reply_.get());
        for (int index = 0; index < total; ++index)
            if (index % perCode < 2 && syms[index] == keysym)
                return static_cast<std::uint8_t>(first_ + index / perCode);
        return 0;
    }

  private:
    std::uint8_t first_ = 0;
    Reply<xcb_get_keyboard_mapping_reply_t> reply_;
};

/// The modifier bit (Mod1…Mod5) that a modifier key sets, else `fallback`.
std::uint16_t modifierMask(xcb_connection_t* c, const KeyboardMap& map, std::uint32_t keysym,
                           std::uint16_t fallback) {
    const std::uint8_t keycode = map.keycodeOf(keysym);
    Reply<xcb_get_modifier_mapping_reply_t> reply(
        xcb_get_modifier_mapping_reply(c, xcb_get_modifier_mapping(c), nullptr));
    if (!reply || keycode == 0)
        return fallback;
    const xcb_keycode_t* codes = xcb_get_modifier_mapping_keycodes(reply.get());
    const int perModifier = reply->keycodes_per_modifier;
    for (int modifier = 0; modifier < 8; ++modifier)
        for (int slot = 0; slot < perModifier; ++slot)
            if (codes[modifier * perModifier + slot] == keycode)
                return static_cast<std::uint16_t>(1u << modifier);
    return fallback;
}

std::array<std::uint16_t, 4> lockVariants(std::uint16_t numLock) {
    return {0, XCB_MOD_MASK_LOCK, numLock, static_cast<std::uint16_t>(XCB_MOD_MASK_LOCK | numLock)};
}

} // namespace

HotKey::HotKey(QObject* parent) : QObject(parent) {
    if (isSupported())
        qGuiApp->installNativeEventFilter(this);
}

HotKey::~HotKey() {
    release();
}

std::optional<KeyCombination> HotKey::combination(HotKeyChoice choice) {
    switch (choice) {
    case HotKeyChoice::altSuperU:
        return KeyCombination{keysymU, false, true, true, "Alt+Super+U"};
    case HotKeyChoice::ctrlAltU:
        return KeyCombination{keysymU, true, true, false, "Ctrl+Alt+U"};
    case HotKeyChoice::altSpace:
        return KeyCombination{keysymSpace, false, true, false, "Alt+Space"};
    case HotKeyChoice::none:
        break;
    }
    return std::nullopt;
}

bool HotKey::isSupported() {
    return QGuiApplication::platformName() == "xcb" && connection() != nullptr;
}

ravodozu::Result<std::monostate, QString> HotKey::grab(const std::optional<KeyCombination>& keys) {
    release();
    if (!keys)
        return std::monostate{};
    if (!isSupported())
        return ravodozu::fail(QString("global keys can only be grabbed on X11"));
    xcb_connection_t* c = connection();
    const KeyboardMap map(c);
    Grab wanted;
    wanted.keycode = map.keycodeOf(keys->keysym);
    if (wanted.keycode == 0)
        return ravodozu::fail(QString("the keyboard has no key for %1").arg(keys->label));
    const std::uint16_t numLock = modifierMask(c, map, keysymNumLock, XCB_MOD_MASK_2);
    wanted.lockMasks = XCB_MOD_MASK_LOCK | numLock;
    wanted.modifiers = (keys->control ? XCB_MOD_MASK_CONTROL : 0) |
                       (keys->alt ? modifierMask(c, map, keysymAltL, XCB_MOD_MASK_1) : 0) |
                       (keys->super ? modifierMask(c, map, keysymSuperL, XCB_MOD_MASK_4) : 0);
    grab_ = wanted;
    for (std::uint16_t locks : lockVariants(numLock)) {
        const auto cookie =
            xcb_grab_key_checked(c, 1, rootWindow(c), wanted.modifiers | locks, wanted.keycode,
                                 XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
        Reply<xcb_generic_error_t> error(xcb_request_check(c, cookie));
        if (error) {
            release();
            if (error->error_code == badAccess)
                return ravodozu::fail(QString("%1 is held by another program").arg(keys->label));
            return ravodozu::fail(QString("the X server refused %1 (error %2)")
                                      .arg(keys->label)
                                      .arg(error->error_code));
        }
    }
    held_ = keys;
    return std::monostate{};
}

void HotKey::release() {
    if (grab_ && isSupported()) {
        xcb_connection_t* c = connection();
        const std::uint16_t numLock = grab_->lockMasks & ~XCB_MOD_MASK_LOCK;
        for (std::uint16_t locks : lockVariants(numLock))
            xcb_ungrab_key(c, grab_->keycode, rootWindow(c), grab_->modifiers | locks);
        xcb_flush(c);
    }
    grab_.reset();
    held_.reset();
}

bool HotKey::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (!grab_ || eventType != "xcb_generic_event_t")
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7f) != XCB_KEY_PRESS)
        return false;
    const auto* press = static_cast<const xcb_key_press_event_t*>(message);
    const std::uint16_t relevant = XCB_MOD_MASK_SHIFT | XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1 |
                                   XCB_MOD_MASK_2 | XCB_MOD_MASK_3 | XCB_MOD_MASK_4 |
                                   XCB_MOD_MASK_5;
    const std::uint16_t state = press->state & relevant & ~grab_->lockMasks;
    if (press->detail != grab_->keycode || state != grab_->modifiers)
        return false;
    QMetaObject::invokeMethod(this, &HotKey::activated, Qt::QueuedConnection);
    return true;
}

} // namespace zelvane
