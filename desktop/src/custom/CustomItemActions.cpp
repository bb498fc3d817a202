#include "CustomItemActions.h"

#include <QClipboard>
#include <QGuiApplication>

#include <algorithm>

#include "AppState.h"
#include "QtConversions.h"

namespace zelvane {

using ravodozu::CustomShare::Payload;

CustomItemActions::CustomItemActions(QObject* parent)
    : QObject(parent), app_(*AppState::instance()) {}

std::optional<Payload> CustomItemActions::stored(const QString& itemId) const {
    const auto id = toStdString(itemId);
    const auto& library = app_.customLibrary();
    auto conversion = std::ranges::find(library.conversions, id, &ravodozu::CustomConversion::id);
    if (conversion != library.conversions.end())
        return Payload{*conversion};
    auto extra = std::ranges::find(library.extras, id, &ravodozu::CustomExtraUnit::id);
    if (extra != library.extras.end())
        return Payload{*extra};
    return std::nullopt;
}

QString CustomItemActions::finish(const ravodozu::Result<std::monostate, std::string>& result) {
    app_.reload();
    return result ? QString() : toQString(result.error());
}

QString CustomItemActions::remove(const QString& itemId) {
    auto item = stored(itemId);
    auto message = finish(app_.userState().removeCustomItem(toStdString(itemId)));
    if (message.isEmpty()) {
        removed_ = std::move(item);
        emit canUndoChanged();
    }
    return message;
}

QString CustomItemActions::undoRemove() {
    if (!removed_)
        return {};
    auto message = finish(app_.userState().addCustomItem(*removed_));
    removed_.reset();
    emit canUndoChanged();
    return message;
}

QString CustomItemActions::duplicate(const QString& itemId) {
    auto item = stored(itemId);
    if (!item)
        return {};
    auto copyName = [](const std::string& name) {
        return toStdString(qtTrId("custom.copyName").arg(toQString(name)));
    };
    if (auto* conversion = std::get_if<ravodozu::CustomConversion>(&item->item)) {
        conversion->id = ravodozu::freshCustomId();
        conversion->name = copyName(conversion->name);
    } else {
        auto& extra = std::get<ravodozu::CustomExtraUnit>(item->item);
        extra.id = ravodozu::freshCustomId();
        extra.unit.name = copyName(extra.unit.name);
    }
    return finish(app_.userState().addCustomItem(*item));
}

QString CustomItemActions::copyShare(const QString& itemId, bool asLink) {
    auto item = stored(itemId);
    if (!item)
        return {};
    auto shared =
        asLink ? ravodozu::CustomShare::shareLink(*item) : ravodozu::CustomShare::shareJSON(*item);
    if (!shared)
        return toQString(shared.error().message);
    QGuiApplication::clipboard()->setText(toQString(*shared));
    return {};
}

} // namespace zelvane
