// LocalizationBundle: the interface texts, looked up by id (qsTrId), English underneath the
// chosen language so that no raw id shows.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include <QString>
#include <QTranslator>

#include "RavoDozu/UserPreferences.h"

namespace zelvane {

class LocalizationBundle {
  public:
    /// Where the compiled translations live: "<folder>/zelvane_<language>.qm".
    /// Lives inside the application's lifetime: each translator takes itself out of the
    /// application when it is destroyed.
    explicit LocalizationBundle(QString folder = QStringLiteral(":/i18n"));
    LocalizationBundle(const LocalizationBundle&) = delete;
    LocalizationBundle& operator=(const LocalizationBundle&) = delete;

    /// Installs English, then the chosen language when it has a translation, else the first
    /// preferred language that has one. Gives the language now shown on top of English.
    QString install(const std::optional<std::string>& languageCode,
                    const std::vector<std::string>& preferredLanguages);
    /// Installs the language the preferences ask for, unless it is the one installed already;
    /// whether it installed anything. Cheap enough to call on every change of the preferences.
    bool installFor(const ravodozu::UserPreferences& preferences);
    /// The language loaded on top of English; "en" when none is.
    QString language() const { return language_; }
    bool hasTranslation(const QString& language) const;

  private:
    QString fileFor(const QString& language) const;

    QString folder_;
    QTranslator english_;
    QTranslator chosen_;
    QString language_ = QStringLiteral("en");
    /// The chosen `languageCode` last installed for, "system" for none; empty before the first.
    std::string installedFor_;
};

} // namespace zelvane
