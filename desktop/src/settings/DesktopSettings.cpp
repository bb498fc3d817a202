#include "DesktopSettings.h"

#include <QCoreApplication>
#include <QMetaEnum>
#include <QQmlEngine>
#include <QtGlobal>

#include "HotKey.h"
#include "QtConversions.h"
#include "SaveFailures.h"

namespace zelvane {

namespace {

template <class Enum> QString enumKey(Enum value) {
    return QString::fromLatin1(QMetaEnum::fromType<Enum>().valueToKey(static_cast<int>(value)));
}

QString hotKeyLabel(HotKeyChoice choice) {
    auto keys = HotKey::combination(choice);
    return keys ? keys->label : QString();
}

} // namespace

DesktopSettings::DesktopSettings(SettingsStore& store, AutostartEntry autostart, QObject* parent)
    : QObject(parent), LatestInstance(this), state_(store), autostart_(std::move(autostart)),
      panelSize_(state_.panelSize()), hotKey_(state_.hotKey()),
      showsInTaskbar_(state_.showsInTaskbar()), showsLastResult_(state_.showsLastResult()),
      copiesUnit_(state_.copiesUnit()), recents_(state_.recents()),
      lastCopied_(state_.lastCopied()) {
    if (auto place = state_.panelPlace())
        panelTopLeft_ = QPointF(place->x, place->y);
}

DesktopSettings::DesktopSettings(SettingsStore& store, QObject* parent)
    : DesktopSettings(store,
                      AutostartEntry(AutostartEntry::standardPath(),
                                     toStdString(QCoreApplication::applicationFilePath())),
                      parent) {}

QString DesktopSettings::rawValue(Preset preset) {
    return enumKey(preset);
}

PanelSize DesktopSettings::size(Preset preset) {
    return panelPresets.at(static_cast<std::size_t>(preset));
}

template <class T, class Signal>
void DesktopSettings::keep(T& field, T value, const StoreResult& stored, Signal changed) {
    SaveFailures::instance().report(stored);
    if (field == value)
        return;
    field = std::move(value);
    emit(this->*changed)();
}

template <class T, class Signal> void DesktopSettings::follow(T& field, T value, Signal changed) {
    keep(field, std::move(value), StoreResult(std::monostate{}), changed);
}

void DesktopSettings::reload() {
    follow(panelSize_, state_.panelSize(), &DesktopSettings::panelSizeChanged);
    auto place = state_.panelPlace();
    follow(panelTopLeft_, place ? std::optional(QPointF(place->x, place->y)) : std::nullopt,
           &DesktopSettings::panelTopLeftChanged);
    follow(hotKey_, state_.hotKey(), &DesktopSettings::hotKeyChanged);
    follow(showsInTaskbar_, state_.showsInTaskbar(), &DesktopSettings::showsInTaskbarChanged);
    follow(showsLastResult_, state_.showsLastResult(), &DesktopSettings::showsLastResultChanged);
    follow(copiesUnit_, state_.copiesUnit(), &DesktopSettings::copiesUnitChanged);
    follow(recents_, state_.recents(), &DesktopSettings::recentsChanged);
    follow(lastCopied_, state_.lastCopied(), &DesktopSettings::lastCopiedChanged);
}

void DesktopSettings::setPanelSize(PanelSize size) {
    keep(panelSize_, size, state_.setPanelSize(size), &DesktopSettings::panelSizeChanged);
}

void DesktopSettings::setPanelTopLeft(std::optional<QPointF> topLeft) {
    auto place = topLeft ? std::optional(PanelPlace{topLeft->x(), topLeft->y()}) : std::nullopt;
    keep(panelTopLeft_, topLeft, state_.setPanelPlace(place),
         &DesktopSettings::panelTopLeftChanged);
}

void DesktopSettings::setHotKey(HotKeyChoice choice) {
    keep(hotKey_, choice, state_.setHotKey(choice), &DesktopSettings::hotKeyChanged);
}

void DesktopSettings::setHotKeyIndex(int index) {
    if (index >= 0 && index <= static_cast<int>(HotKeyChoice::none))
        setHotKey(static_cast<HotKeyChoice>(index));
}

void DesktopSettings::setShowsInTaskbar(bool shows) {
    keep(showsInTaskbar_, shows, state_.setShowsInTaskbar(shows),
         &DesktopSettings::showsInTaskbarChanged);
}

void DesktopSettings::setShowsLastResult(bool shows) {
    keep(showsLastResult_, shows, state_.setShowsLastResult(shows),
         &DesktopSettings::showsLastResultChanged);
}

void DesktopSettings::setCopiesUnit(bool copies) {
    keep(copiesUnit_, copies, state_.setCopiesUnit(copies), &DesktopSettings::copiesUnitChanged);
}

void DesktopSettings::setRecents(std::vector<Recent> recents) {
    const auto stored = state_.setRecents(recents);
    keep(recents_, std::move(recents), stored, &DesktopSettings::recentsChanged);
}

void DesktopSettings::setLastCopied(std::optional<std::string> text) {
    const auto stored = state_.setLastCopied(text);
    keep(lastCopied_, std::move(text), stored, &DesktopSettings::lastCopiedChanged);
}

void DesktopSettings::setPinned(bool pinned) {
    if (pinned == isPinned_)
        return;
    isPinned_ = pinned;
    emit isPinnedChanged();
}

QSizeF DesktopSettings::panelSizeF() const {
    return {panelSize_.width, panelSize_.height};
}

void DesktopSettings::setPanelSizeF(const QSizeF& size) {
    setPanelSize({size.width(), size.height()});
}

QVariant DesktopSettings::panelTopLeftVariant() const {
    return panelTopLeft_ ? QVariant(*panelTopLeft_) : QVariant();
}

void DesktopSettings::setPanelTopLeftVariant(const QVariant& topLeft) {
    if (!topLeft.isValid() || topLeft.isNull() || !topLeft.canConvert<QPointF>())
        return setPanelTopLeft(std::nullopt);
    setPanelTopLeft(topLeft.toPointF());
}

QVariant DesktopSettings::lastCopiedVariant() const {
    return lastCopied_ ? QVariant(toQString(*lastCopied_)) : QVariant();
}

void DesktopSettings::setLastCopiedVariant(const QVariant& text) {
    if (!text.isValid() || text.isNull())
        return setLastCopied(std::nullopt);
    setLastCopied(toStdString(text.toString()));
}

QVariantList DesktopSettings::sizePresets() {
    QVariantList presets;
    for (int index = 0; index < int(panelPresets.size()); ++index) {
        const auto preset = static_cast<Preset>(index);
        presets.append(QVariantMap{{"value", index},
                                   {"name", rawValue(preset)},
                                   {"size", QSizeF(size(preset).width, size(preset).height)}});
    }
    return presets;
}

QVariantList DesktopSettings::hotKeyChoices() {
    QVariantList choices;
    for (int index = 0; index <= int(HotKeyChoice::none); ++index)
        choices.append(
            QVariantMap{{"value", index}, {"keys", hotKeyLabel(static_cast<HotKeyChoice>(index))}});
    return choices;
}

std::optional<DesktopSettings::Preset> DesktopSettings::currentPresetValue() const {
    auto index = panelPresetIndex(panelSize_);
    return index ? std::optional(static_cast<Preset>(*index)) : std::nullopt;
}

QVariant DesktopSettings::currentPreset() const {
    auto preset = currentPresetValue();
    return preset ? QVariant::fromValue(*preset) : QVariant();
}

void DesktopSettings::stepPanelSize(int direction) {
    if (auto index = steppedPanelPreset(panelSize_, direction))
        setPanelSize(panelPresets[*index]);
}

void DesktopSettings::addRecent(Recent recent) {
    setRecents(addingRecent(recents_, std::move(recent)));
}

void DesktopSettings::setOpenAtLogin(bool enabled) {
    auto outcome = autostart_.setEnabled(enabled);
    if (!outcome)
        qCWarning(zelvaneLog, "Open at login: %s", outcome.error().c_str());
    ++loginRevision_;
    emit loginRevisionChanged();
}

} // namespace zelvane
