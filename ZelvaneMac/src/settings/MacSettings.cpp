#include "MacSettings.h"

#include <QCoreApplication>
#include <QMetaEnum>
#include <QQmlEngine>
#include <QtGlobal>

#include "QtConversions.h"
#include "SettingsKeys.h"

namespace zelvane {

namespace {

template <class Enum> QString enumKey(Enum value) {
    return QString::fromLatin1(QMetaEnum::fromType<Enum>().valueToKey(static_cast<int>(value)));
}

template <class Enum> std::optional<Enum> enumNamed(const QString& key) {
    bool found = false;
    int value = QMetaEnum::fromType<Enum>().keyToValue(key.toLatin1().constData(), &found);
    return found ? std::optional(static_cast<Enum>(value)) : std::nullopt;
}

std::string key(std::string_view name) {
    return std::string(name);
}

} // namespace

MacSettings::MacSettings(SettingsStore& store, AutostartEntry autostart, QObject* parent)
    : QObject(parent), LatestInstance(this), store_(store), autostart_(std::move(autostart)) {
    panelSize_ = storedPanelSize(store_.number(keys::panelWidth).value_or(0),
                                 store_.number(keys::panelHeight).value_or(0));
    auto x = store_.number(keys::panelX);
    auto y = store_.number(keys::panelY);
    if (x && y)
        panelTopLeft_ = QPointF(*x, *y);
    if (auto raw = store_.text(keys::hotKey))
        hotKey_ = hotKeyNamed(toQString(*raw)).value_or(HotKeyChoice::optionCommandU);
    showsLastResult_ = store_.boolean(keys::showsLastResult).value_or(false);
    showsInDock_ = store_.boolean(keys::showsInDock).value_or(true);
    copiesUnit_ = store_.boolean(keys::copiesUnit).value_or(true);
    if (auto data = store_.data(keys::recents))
        recents_ = decodeRecents(*data).valueOr(std::vector<Recent>());
    lastCopied_ = store_.text(keys::lastCopied);
}

MacSettings::MacSettings(SettingsStore& store, QObject* parent)
    : MacSettings(store,
                  AutostartEntry(AutostartEntry::standardPath(),
                                 toStdString(QCoreApplication::applicationFilePath())),
                  parent) {}

QString MacSettings::rawValue(HotKeyChoice choice) {
    return enumKey(choice);
}

std::optional<MacSettings::HotKeyChoice> MacSettings::hotKeyNamed(const QString& rawValue) {
    return enumNamed<HotKeyChoice>(rawValue);
}

QString MacSettings::rawValue(Preset preset) {
    return enumKey(preset);
}

PanelSize MacSettings::size(Preset preset) {
    return panelPresets.at(static_cast<std::size_t>(preset));
}

void MacSettings::write(const std::vector<SettingsStore::Change>& changes) {
    // The field keeps its new value even when the file cannot be written.
    (void)store_.apply(changes);
}

void MacSettings::setPanelSize(PanelSize size) {
    write({{key(keys::panelWidth), size.width}, {key(keys::panelHeight), size.height}});
    if (size == panelSize_)
        return;
    panelSize_ = size;
    emit panelSizeChanged();
}

void MacSettings::setPanelTopLeft(std::optional<QPointF> topLeft) {
    auto coordinate = [&](double value) {
        return topLeft ? std::optional<SettingValue>(value) : std::nullopt;
    };
    write({{key(keys::panelX), coordinate(topLeft ? topLeft->x() : 0)},
           {key(keys::panelY), coordinate(topLeft ? topLeft->y() : 0)}});
    if (topLeft == panelTopLeft_)
        return;
    panelTopLeft_ = topLeft;
    emit panelTopLeftChanged();
}

void MacSettings::setHotKey(HotKeyChoice choice) {
    write({{key(keys::hotKey), toStdString(rawValue(choice))}});
    if (choice == hotKey_)
        return;
    hotKey_ = choice;
    emit hotKeyChanged();
}

namespace {

/// Writes a flag and updates the field, announcing a change.
template <class Signal>
void storeFlag(SettingsStore& store, std::string_view name, bool& field, bool value,
               MacSettings* owner, Signal changed) {
    (void)store.set(name, value);
    if (field == value)
        return;
    field = value;
    emit(owner->*changed)();
}

} // namespace

void MacSettings::setShowsInDock(bool shows) {
    storeFlag(store_, keys::showsInDock, showsInDock_, shows, this,
              &MacSettings::showsInDockChanged);
}

void MacSettings::setShowsLastResult(bool shows) {
    storeFlag(store_, keys::showsLastResult, showsLastResult_, shows, this,
              &MacSettings::showsLastResultChanged);
}

void MacSettings::setCopiesUnit(bool copies) {
    storeFlag(store_, keys::copiesUnit, copiesUnit_, copies, this, &MacSettings::copiesUnitChanged);
}

void MacSettings::setRecents(std::vector<Recent> recents) {
    write({{key(keys::recents), SettingData{encodeRecents(recents)}}});
    if (recents == recents_)
        return;
    recents_ = std::move(recents);
    emit recentsChanged();
}

void MacSettings::setLastCopied(std::optional<std::string> text) {
    write({{key(keys::lastCopied),
            text ? std::optional<SettingValue>(*text) : std::optional<SettingValue>()}});
    if (text == lastCopied_)
        return;
    lastCopied_ = std::move(text);
    emit lastCopiedChanged();
}

void MacSettings::setPinned(bool pinned) {
    if (pinned == isPinned_)
        return;
    isPinned_ = pinned;
    emit isPinnedChanged();
}

QSizeF MacSettings::panelSizeF() const {
    return {panelSize_.width, panelSize_.height};
}

void MacSettings::setPanelSizeF(const QSizeF& size) {
    setPanelSize({size.width(), size.height()});
}

QVariant MacSettings::panelTopLeftVariant() const {
    return panelTopLeft_ ? QVariant(*panelTopLeft_) : QVariant();
}

void MacSettings::setPanelTopLeftVariant(const QVariant& topLeft) {
    if (!topLeft.isValid() || topLeft.isNull() || !topLeft.canConvert<QPointF>())
        return setPanelTopLeft(std::nullopt);
    setPanelTopLeft(topLeft.toPointF());
}

QVariantList MacSettings::recentsList() const {
    QVariantList list;
    for (const auto& recent : recents_)
        list.append(QVariantMap{{"categoryId", toQString(recent.categoryId)},
                                {"fromUnitId", toQString(recent.fromUnitId)},
                                {"toUnitId", toQString(recent.toUnitId)},
                                {"input", toQString(recent.input)}});
    return list;
}

QVariant MacSettings::lastCopiedVariant() const {
    return lastCopied_ ? QVariant(toQString(*lastCopied_)) : QVariant();
}

void MacSettings::setLastCopiedVariant(const QVariant& text) {
    if (!text.isValid() || text.isNull())
        return setLastCopied(std::nullopt);
    setLastCopied(toStdString(text.toString()));
}

std::optional<MacSettings::Preset> MacSettings::currentPresetValue() const {
    auto index = panelPresetIndex(panelSize_);
    return index ? std::optional(static_cast<Preset>(*index)) : std::nullopt;
}

QVariant MacSettings::currentPreset() const {
    auto preset = currentPresetValue();
    return preset ? QVariant::fromValue(*preset) : QVariant();
}

void MacSettings::stepPanelSize(int direction) {
    if (auto index = steppedPanelPreset(panelSize_, direction))
        setPanelSize(panelPresets[*index]);
}

void MacSettings::addRecent(Recent recent) {
    setRecents(addingRecent(recents_, std::move(recent)));
}

void MacSettings::addRecent(const QString& categoryId, const QString& fromUnitId,
                            const QString& toUnitId, const QString& input) {
    addRecent(Recent{toStdString(categoryId), toStdString(fromUnitId), toStdString(toUnitId),
                     toStdString(input)});
}

void MacSettings::setOpenAtLogin(bool enabled) {
    auto outcome = autostart_.setEnabled(enabled);
    if (!outcome)
        qWarning("Open at login: %s", outcome.error().c_str());
    ++loginRevision_;
    emit loginRevisionChanged();
}

} // namespace zelvane
