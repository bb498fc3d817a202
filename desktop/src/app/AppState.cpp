#include "AppState.h"

#include <QCoreApplication>
#include <QQmlEngine>

#include "CategoryNames.h"
#include "ConverterModel.h"
#include "DesktopLanguage.h"
#include "DisplayLanguage.h"
#include "LibraryCache.h"
#include "QtConversions.h"
#include "RavoDozu/RegionProfile.h"
#include "SaveFailures.h"
#include "Theme.h"
#include "ZelvaneVersion.h"

namespace zelvane {

namespace {

/// Rates older than this are refreshed when the user wants them kept up to date.
constexpr double ratesMaximumAge = 12 * 60 * 60;

// The bundle does not change while the panel runs.
std::shared_ptr<const std::vector<ravodozu::ExtensionPack>> bundledPacks() {
    static const auto packs = std::make_shared<const std::vector<ravodozu::ExtensionPack>>(
        ravodozu::loadPacks().valueOr(std::vector<ravodozu::ExtensionPack>{}));
    return packs;
}

} // namespace

AppState::AppState(std::shared_ptr<const ravodozu::UnitCatalog> catalog, SettingsStore& store,
                   QObject* parent)
    : QObject(parent), LatestInstance(this), catalog_(std::move(catalog)), userState_(store) {
    auto preferences = userState_.preferences();
    if (preferences.hasCompletedOnboarding) {
        preferences_ = std::make_shared<const ravodozu::UserPreferences>(std::move(preferences));
    } else {
        auto detected = userState_.preferencesForRun();
        detected.hasCompletedOnboarding = true;
        setPreferences(std::move(detected));
    }
    if (auto stored = userState_.rates())
        rates_ = std::make_shared<const ravodozu::ExchangeRates>(std::move(*stored));
    customLibrary_ = LibraryCache::shared().library(userState_.customLibraryData());
    packs_ = bundledPacks();
    packVariants_ = std::make_shared<const ravodozu::PackVariants>(userState_.packVariants());
    if (auto* application = QCoreApplication::instance())
        connect(application, &QCoreApplication::aboutToQuit, this, &AppState::cancelFetch);
}

AppState::~AppState() {
    cancelFetch();
}

void AppState::setPreferences(ravodozu::UserPreferences preferences) {
    preferences_ = std::make_shared<const ravodozu::UserPreferences>(std::move(preferences));
    // A record the store refuses is not written; the panel goes on with it all the same.
    SaveFailures::instance().report(userState_.setPreferences(*preferences_));
    emit preferencesChanged();
}

ravodozu::ConversionContext AppState::context() const {
    return {catalog_, preferences_, rates_, customLibrary_, packs_, packVariants_};
}

void AppState::choosePackVariant(const std::string& categoryId, const std::string& variantId) {
    auto written = userState_.choosePackVariant(categoryId, variantId);
    // Unsaved, the choice still applies to what the panel shows.
    SaveFailures::instance().report(written);
    auto variants = written ? userState_.packVariants() : *packVariants_;
    variants.insert_or_assign(categoryId, variantId);
    packVariants_ = std::make_shared<const ravodozu::PackVariants>(std::move(variants));
    emit packVariantsChanged();
}

ConverterModel* AppState::converter() {
    if (!converter_)
        converter_ = new ConverterModel(*this, this);
    return converter_;
}

QVariantMap AppState::preferencesMap() const {
    return toVariant(nlohmann::json(preferences_->encode())).toMap();
}

QString AppState::displayLocaleName() const {
    return toQString(zelvane::displayLocale(*preferences_));
}

QString AppState::languageCode() const {
    return toQString(preferences_->languageCode.value_or(""));
}

QString AppState::displayLanguage() const {
    return toQString(zelvane::displayLanguage(*preferences_));
}

bool AppState::setPreference(const QString& field, const QVariant& value) {
    auto key = toStdString(field);
    auto given = toJson(value);
    auto record = nlohmann::json(preferences_->encode());
    bool clearing = given.is_null();
    if (clearing && !record.contains(key))
        return false;
    if (clearing)
        record.erase(key);
    else
        record[key] = given;
    auto decoded = ravodozu::UserPreferences::decode(record);
    if (!decoded)
        return false;
    // Decoding is tolerant: a value of the wrong form falls back to the default, which shows
    // as a field that does not read back as given.
    auto readBack = nlohmann::json(decoded->encode());
    bool taken =
        clearing ? !readBack.contains(key) : readBack.value(key, nlohmann::json()) == given;
    if (!taken)
        return false;
    editPreferences([&](ravodozu::UserPreferences& stored) {
        auto edited = nlohmann::json(stored.encode());
        if (clearing)
            edited.erase(key);
        else
            edited[key] = given;
        if (auto decodedEdit = ravodozu::UserPreferences::decode(edited))
            stored = std::move(*decodedEdit);
    });
    return true;
}

QVariantMap AppState::ratesInfo() const {
    if (!rates_)
        return {};
    QVariantMap info{{"base", toQString(rates_->base)},
                     {"source", toQString(rates_->source)},
                     {"updatedAt", ravodozu::ReferenceDate::toUnix(rates_->updatedAt)}};
    if (rates_->fetchedAt)
        info.insert("fetchedAt", ravodozu::ReferenceDate::toUnix(*rates_->fetchedAt));
    return info;
}

void AppState::refreshRates() {
    if (ratesStatus_ == loading)
        return;
    setRatesStatus(loading);
    auto client = ravodozu::RatesClient::fromEnvironment();
    fetch_ = client.fetch({}, [this](const ravodozu::RatesClient::FetchResult& result) {
        // Runs on the fetching thread; the state changes on the main thread only.
        QMetaObject::invokeMethod(
            this, [this, result] { applyFetch(result); }, Qt::QueuedConnection);
    });
}

void AppState::refreshRatesIfNeeded() {
    if (!rates_) {
        refreshRates();
        return;
    }
    double age = ravodozu::ReferenceDate::now() - rates_->updatedAt;
    if (preferences_->autoUpdateRates && age > ratesMaximumAge)
        refreshRates();
}

void AppState::applyFetch(const ravodozu::RatesClient::FetchResult& result) {
    if (!result) {
        setRatesStatus(failed);
        return;
    }
    rates_ = std::make_shared<const ravodozu::ExchangeRates>(*result);
    SaveFailures::instance().report(userState_.setRates(*rates_));
    emit ratesChanged();
    setRatesStatus(updated);
}

void AppState::setRatesStatus(RatesStatus status) {
    if (ratesStatus_ == status)
        return;
    ratesStatus_ = status;
    emit ratesStatusChanged();
}

void AppState::cancelFetch() {
    if (!fetch_)
        return;
    fetch_->cancel();
    // The completion posts to this object; it must be done before the object may go away.
    if (fetch_->result.valid())
        fetch_->result.wait();
}

QString AppState::categoryDisplayName(const QString& categoryId) const {
    return toQString(zelvane::categoryDisplayName(toStdString(categoryId), context(),
                                                  zelvane::languageList(*preferences_)));
}

QString AppState::languageDisplayName(const QString& languageCode) const {
    return toQString(zelvane::languageDisplayName(toStdString(languageCode)));
}

QVariantMap AppState::customGlyphs() const {
    return Theme::customGlyphs(*customLibrary_, *packs_);
}

QStringList AppState::interfaceLanguages() {
    QStringList languages;
    for (auto language : zelvane::interfaceLanguages)
        languages << toQString(std::string(language));
    return languages;
}

QStringList AppState::regionIds() {
    QStringList regions;
    for (const auto& region : ravodozu::RegionProfile::allCases())
        regions << toQString(std::string(region.rawValue()));
    return regions;
}

int AppState::starLimit() {
    return static_cast<int>(ravodozu::UserPreferences::maxStarredCategories);
}

QString AppState::version() {
    return QString::fromLatin1(zelvane::version);
}

QStringList AppState::languageList() const {
    return toQStringList(zelvane::languageList(*preferences_));
}

template <class Edit> void AppState::editPreferences(Edit edit) {
    auto edited = userState_.editPreferences(edit);
    if (edited) {
        adoptPreferences(std::move(edited).value());
        return;
    }
    // Unsaved, the edit still applies to what the panel shows.
    SaveFailures::instance().report(ravodozu::fail(edited.error()));
    auto copy = *preferences_;
    edit(copy);
    adoptPreferences(std::move(copy));
}

void AppState::adoptPreferences(ravodozu::UserPreferences preferences) {
    preferences_ = std::make_shared<const ravodozu::UserPreferences>(std::move(preferences));
    emit preferencesChanged();
}

void AppState::reload() {
    auto stored = userState_.preferences();
    if (stored.hasCompletedOnboarding && stored.encode() != preferences_->encode())
        adoptPreferences(std::move(stored));
    auto rates = userState_.rates();
    const bool ratesDiffer =
        rates_ ? !rates || encodeExchangeRates(*rates) != encodeExchangeRates(*rates_)
               : rates.has_value();
    if (ratesDiffer) {
        rates_ =
            rates ? std::make_shared<const ravodozu::ExchangeRates>(std::move(*rates)) : nullptr;
        emit ratesChanged();
    }
    auto library = LibraryCache::shared().library(userState_.customLibraryData());
    if (library != customLibrary_) {
        customLibrary_ = std::move(library);
        emit customLibraryChanged();
    }
    if (auto variants = userState_.packVariants(); variants != *packVariants_) {
        packVariants_ = std::make_shared<const ravodozu::PackVariants>(std::move(variants));
        emit packVariantsChanged();
    }
}

bool AppState::toggleStar(const QString& categoryId) {
    bool changed = false;
    editPreferences([&](auto& p) { changed = p.toggleStar(toStdString(categoryId)); });
    return changed;
}

void AppState::moveStarred(const QVariantList& offsets, int destination) {
    editPreferences([&](auto& p) {
        p.moveStarred(toOffsets(offsets), static_cast<std::size_t>(std::max(destination, 0)));
    });
}

void AppState::addFavorite(const QString& categoryId, const QString& before) {
    auto beforeId = toStdString(before);
    editPreferences([&](auto& p) {
        p.addFavorite(toStdString(categoryId),
                      before.isEmpty() ? std::nullopt : std::optional<std::string_view>(beforeId));
    });
}

void AppState::moveFavorite(const QString& categoryId, int targetIndex) {
    editPreferences([&](auto& p) { p.moveFavorite(toStdString(categoryId), targetIndex); });
}

void AppState::moveFavorites(const QVariantList& offsets, int destination) {
    editPreferences([&](auto& p) {
        p.moveFavorites(toOffsets(offsets), static_cast<std::size_t>(std::max(destination, 0)));
    });
}

void AppState::removeFavorite(const QString& categoryId) {
    editPreferences([&](auto& p) { p.removeFavorite(toStdString(categoryId)); });
}

void AppState::togglePinned(const QString& unitId, const QString& categoryId) {
    editPreferences([&](auto& p) { p.togglePinned(toStdString(unitId), toStdString(categoryId)); });
}

void AppState::toggleHidden(const QString& unitId, const QString& categoryId) {
    editPreferences([&](auto& p) { p.toggleHidden(toStdString(unitId), toStdString(categoryId)); });
}

void AppState::movePinned(const QString& categoryId, const QVariantList& offsets, int destination) {
    editPreferences([&](auto& p) {
        p.movePinned(toStdString(categoryId), toOffsets(offsets),
                     static_cast<std::size_t>(std::max(destination, 0)));
    });
}

void AppState::moveVisiblePinned(const QString& categoryId, const QStringList& shownPinned,
                                 const QVariantList& offsets, int destination) {
    auto shown = toStdStrings(shownPinned);
    editPreferences([&](auto& p) {
        p.moveVisiblePinned(toStdString(categoryId), shown, toOffsets(offsets),
                            static_cast<std::size_t>(std::max(destination, 0)));
    });
}

void AppState::moveUnits(const QString& categoryId, const QStringList& shownUnits,
                         const QVariantList& offsets, int destination) {
    auto shown = toStdStrings(shownUnits);
    editPreferences([&](auto& p) {
        p.moveUnits(toStdString(categoryId), shown, toOffsets(offsets),
                    static_cast<std::size_t>(std::max(destination, 0)));
    });
}

bool AppState::isFavorite(const QString& categoryId) const {
    return preferences_->isFavorite(toStdString(categoryId));
}

bool AppState::isStarred(const QString& categoryId) const {
    return preferences_->isStarred(toStdString(categoryId));
}

bool AppState::isHidden(const QString& unitId, const QString& categoryId) const {
    return preferences_->isHidden(toStdString(unitId), toStdString(categoryId));
}

QStringList AppState::pinnedUnits(const QString& categoryId) const {
    return toQStringList(preferences_->pinnedUnits(toStdString(categoryId)));
}

QStringList AppState::visibleCategoryIds() const {
    return toQStringList(context().visibleCategoryIds());
}

QStringList AppState::effectiveFavoriteCategories() const {
    return toQStringList(preferences_->effectiveFavoriteCategories());
}

QStringList AppState::effectiveStarredCategories() const {
    return toQStringList(preferences_->effectiveStarredCategories());
}

} // namespace zelvane
