#include "LocalizationBundle.h"

#include <QCoreApplication>
#include <QFile>

#include "DisplayLanguage.h"
#include "RavoDozu/LocalizedText.h"

namespace zelvane {

namespace {

const QString english = QStringLiteral("en");

/// The names a language's catalogue may go by, most exact first: "zh-TW" → zh-TW, zh-Hant, zh.
QStringList candidates(const std::string& code) {
    QStringList names{QString::fromStdString(code),
                      QString::fromStdString(ravodozu::normalizedLanguage(code))};
    names.append(names.front().section(QLatin1Char('-'), 0, 0));
    names.removeDuplicates();
    return names;
}

} // namespace

LocalizationBundle::LocalizationBundle(QString folder) : folder_(std::move(folder)) {}

QString LocalizationBundle::fileFor(const QString& language) const {
    return folder_ + QStringLiteral("/zelvane_") + language + QStringLiteral(".qm");
}

bool LocalizationBundle::hasTranslation(const QString& language) const {
    return QFile::exists(fileFor(language));
}

QString LocalizationBundle::install(const std::optional<std::string>& languageCode,
                                    const std::vector<std::string>& preferredLanguages) {
    QCoreApplication::removeTranslator(&chosen_);
    if (english_.isEmpty() && english_.load(fileFor(english)))
        QCoreApplication::installTranslator(&english_);
    std::vector<std::string> wanted;
    if (languageCode)
        wanted.push_back(*languageCode);
    wanted.insert(wanted.end(), preferredLanguages.begin(), preferredLanguages.end());
    language_ = english;
    for (const auto& code : wanted) {
        for (const auto& name : candidates(code)) {
            if (name == english)
                return language_;
            if (hasTranslation(name) && chosen_.load(fileFor(name))) {
                // Installed last, so it is asked first; English answers what it lacks.
                QCoreApplication::installTranslator(&chosen_);
                language_ = name;
                return language_;
            }
        }
    }
    return language_;
}

bool LocalizationBundle::installFor(const ravodozu::UserPreferences& preferences) {
    const std::string wanted = preferences.languageCode.value_or("system");
    if (wanted == installedFor_)
        return false;
    install(preferences.languageCode, languageList(preferences));
    installedFor_ = wanted;
    return true;
}

} // namespace zelvane
