// AppState: everything the panel knows (catalog, preferences, rates, custom library, packs) and
// the background rate refresh, observable from QML as the singleton `AppState`.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <QObject>
#include <QVariantList>
#include <QVariantMap>
#include <QtQml/qqmlregistration.h>

#include "LatestInstance.h"
#include "RavoDozu/ConversionContext.h"
#include "RavoDozu/CustomLibrary.h"
#include "RavoDozu/ExchangeRates.h"
#include "RavoDozu/RatesClient.h"
#include "RavoDozu/UnitCatalog.h"
#include "RavoDozu/UserPreferences.h"
#include "UserState.h"

Q_MOC_INCLUDE("ConverterModel.h")

class QQmlEngine;
class QJSEngine;

namespace zelvane {

class ConverterModel;

class AppState : public QObject, public LatestInstance<AppState> {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

    /// The preferences record as its JSON fields.
    Q_PROPERTY(QVariantMap preferences READ preferencesMap NOTIFY preferencesChanged)
    Q_PROPERTY(RatesStatus ratesStatus READ ratesStatus NOTIFY ratesStatusChanged)
    Q_PROPERTY(bool hasRates READ hasRates NOTIFY ratesChanged)
    Q_PROPERTY(zelvane::ConverterModel* converter READ converter CONSTANT)
    /// Custom and pack category id → the glyph its icon shows, as `Theme.categoryTheme` takes
    /// them.
    Q_PROPERTY(QVariantMap customGlyphs READ customGlyphs NOTIFY customLibraryChanged)
    /// ICU id of the locale numbers are shown and read in.
    Q_PROPERTY(QString displayLocaleName READ displayLocaleName NOTIFY preferencesChanged)
    /// The chosen interface language, or "" for the system's.
    Q_PROPERTY(QString languageCode READ languageCode NOTIFY preferencesChanged)
    /// The language the interface is shown in (the chosen one, else the system's first).
    Q_PROPERTY(QString displayLanguage READ displayLanguage NOTIFY preferencesChanged)
    /// The languages the interface can be shown in, the regions, and how many categories may
    /// be starred: fixed lists the settings and categories pages show.
    Q_PROPERTY(QStringList interfaceLanguages READ interfaceLanguages CONSTANT)
    Q_PROPERTY(QStringList regionIds READ regionIds CONSTANT)
    Q_PROPERTY(int starLimit READ starLimit CONSTANT)
    Q_PROPERTY(QString version READ version CONSTANT)

  public:
    enum RatesStatus { idle, loading, updated, failed };
    Q_ENUM(RatesStatus)

    /// Loads the preferences (detecting the region on the first run), the stored rates and the
    /// custom library from `store`. The last one created is the QML singleton.
    AppState(std::shared_ptr<const ravodozu::UnitCatalog> catalog, SettingsStore& store,
             QObject* parent = nullptr);
    ~AppState() override;

    const ravodozu::UnitCatalog& catalog() const { return *catalog_; }
    const ravodozu::UserPreferences& preferences() const { return *preferences_; }
    /// Stores and persists the record; observers hear of it.
    void setPreferences(ravodozu::UserPreferences preferences);
    /// Null until a snapshot is known.
    const ravodozu::ExchangeRates* rates() const { return rates_.get(); }
    const ravodozu::CustomLibrary& customLibrary() const { return *customLibrary_; }
    /// The bundle's extension packs, loaded once per process (none when they do not load).
    const std::vector<ravodozu::ExtensionPack>& packs() const { return *packs_; }
    const ravodozu::PackVariants& packVariants() const { return *packVariants_; }
    /// Stores the variant of a pack category; observers hear of it.
    void choosePackVariant(const std::string& categoryId, const std::string& variantId);
    UserState& userState() { return userState_; }

    /// A snapshot of catalog, preferences, rates, custom library and packs as they are now.
    ravodozu::ConversionContext context() const;
    /// The converter model, created on first use.
    ConverterModel* converter();

    RatesStatus ratesStatus() const { return ratesStatus_; }
    bool hasRates() const { return rates_ != nullptr; }
    QVariantMap preferencesMap() const;
    QVariantMap customGlyphs() const;
    QString displayLocaleName() const;
    QString languageCode() const;
    QString displayLanguage() const;
    static QStringList interfaceLanguages();
    static QStringList regionIds();
    static int starLimit();
    static QString version();

    /// Replaces one field of the preferences by decoding it as the record does; a value the
    /// record would not take leaves it unchanged and gives false.
    Q_INVOKABLE bool setPreference(const QString& field, const QVariant& value);
    /// {base, source, updatedAt, fetchedAt} (seconds since 1970), empty without rates.
    Q_INVOKABLE QVariantMap ratesInfo() const;

    /// Fetches a fresh snapshot off the main thread unless one is being fetched.
    Q_INVOKABLE void refreshRates();
    /// Refreshes when there are no rates, or when they are more than 12 hours old and the user
    /// wants them kept up to date.
    Q_INVOKABLE void refreshRatesIfNeeded();

    Q_INVOKABLE QString categoryDisplayName(const QString& categoryId) const;
    Q_INVOKABLE QString languageDisplayName(const QString& languageCode) const;
    Q_INVOKABLE QStringList languageList() const;

    // The preferences' own edits, each persisted.
    Q_INVOKABLE bool toggleStar(const QString& categoryId);
    Q_INVOKABLE void moveStarred(const QVariantList& offsets, int destination);
    Q_INVOKABLE void addFavorite(const QString& categoryId, const QString& before = {});
    Q_INVOKABLE void moveFavorite(const QString& categoryId, int targetIndex);
    Q_INVOKABLE void moveFavorites(const QVariantList& offsets, int destination);
    Q_INVOKABLE void removeFavorite(const QString& categoryId);
    Q_INVOKABLE void togglePinned(const QString& unitId, const QString& categoryId);
    Q_INVOKABLE void toggleHidden(const QString& unitId, const QString& categoryId);
    Q_INVOKABLE void movePinned(const QString& categoryId, const QVariantList& offsets,
                                int destination);
    Q_INVOKABLE void moveVisiblePinned(const QString& categoryId, const QStringList& shownPinned,
                                       const QVariantList& offsets, int destination);
    Q_INVOKABLE void moveUnits(const QString& categoryId, const QStringList& shownUnits,
                               const QVariantList& offsets, int destination);
    Q_INVOKABLE bool isFavorite(const QString& categoryId) const;
    Q_INVOKABLE bool isStarred(const QString& categoryId) const;
    Q_INVOKABLE bool isHidden(const QString& unitId, const QString& categoryId) const;
    Q_INVOKABLE QStringList pinnedUnits(const QString& categoryId) const;
    Q_INVOKABLE QStringList visibleCategoryIds() const;
    Q_INVOKABLE QStringList effectiveFavoriteCategories() const;
    Q_INVOKABLE QStringList effectiveStarredCategories() const;

    /// Takes in what another process changed in the settings file: preferences, rates, the
    /// custom library and the pack variants; observers hear only of what changed.
    void reload();

  signals:
    void preferencesChanged();
    void ratesChanged();
    void ratesStatusChanged();
    void customLibraryChanged();
    void packVariantsChanged();

  private:
    /// Applies `edit` to the stored preferences and shows the result.
    template <class Edit> void editPreferences(Edit edit);
    void adoptPreferences(ravodozu::UserPreferences preferences);
    void applyFetch(const ravodozu::RatesClient::FetchResult& result);
    void setRatesStatus(RatesStatus status);
    void cancelFetch();

    std::shared_ptr<const ravodozu::UnitCatalog> catalog_;
    UserState userState_;
    std::shared_ptr<const ravodozu::UserPreferences> preferences_;
    std::shared_ptr<const ravodozu::ExchangeRates> rates_;
    std::shared_ptr<const ravodozu::CustomLibrary> customLibrary_;
    std::shared_ptr<const std::vector<ravodozu::ExtensionPack>> packs_;
    std::shared_ptr<const ravodozu::PackVariants> packVariants_;
    RatesStatus ratesStatus_ = idle;
    std::optional<ravodozu::RatesClient::Fetch> fetch_;
    ConverterModel* converter_ = nullptr;
};

} // namespace zelvane
