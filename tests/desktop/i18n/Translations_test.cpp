// Translations: every text the panel asks for exists, finished, in every interface language,
// with the same placeholders as the English text, and the embedded catalogues answer by id.
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>
#include <QTranslator>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include "LocalizationBundle.h"
#include "RavoDozu/RegionProfile.h"
#include "RavoDozu/UserPreferences.h"

namespace {

const QStringList languages{"zh-Hans", "zh-Hant", "en", "es", "de", "fr", "ja",
                            "ko",      "pt-BR",   "it", "th", "ms", "id"};

struct Message {
    QString source;
    QString translation;
    bool finished = false;
};
using Catalogue = QMap<QString, Message>;

QString sourceDir() {
    return QStringLiteral(ZELVANE_SOURCE_DIR);
}

QString tsPath(const QString& language) {
    return sourceDir() + "/desktop/translations/zelvane_" + language + ".ts";
}

Message readMessage(QXmlStreamReader& xml) {
    Message message;
    while (xml.readNextStartElement()) {
        if (xml.name() == u"source") {
            message.source = xml.readElementText();
        } else if (xml.name() == u"translation") {
            // "unfinished", "obsolete" and "vanished" texts are left out of the compiled catalogue.
            message.finished = xml.attributes().value("type").isEmpty();
            message.translation = xml.readElementText();
        } else {
            xml.skipCurrentElement();
        }
    }
    return message;
}

Catalogue readCatalogue(const QString& language) {
    QFile file(tsPath(language));
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot open " << file.fileName().toStdString();
        return {};
    }
    Catalogue catalogue;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement() || xml.name() != u"message")
            continue;
        auto id = xml.attributes().value("id").toString();
        EXPECT_FALSE(catalogue.contains(id))
            << language.toStdString() << ": " << id.toStdString() << " appears twice";
        catalogue.insert(id, readMessage(xml));
    }
    EXPECT_FALSE(xml.hasError()) << language.toStdString() << ": "
                                 << xml.errorString().toStdString();
    return catalogue;
}

const QMap<QString, Catalogue>& catalogues() {
    static const auto all = [] {
        QMap<QString, Catalogue> read;
        for (const auto& language : languages)
            read.insert(language, readCatalogue(language));
        return read;
    }();
    return all;
}

// Ids the panel composes at run time: prefix → the case names appended to it.
const QMap<QString, QStringList>& composedIds() {
    static const auto all = [] {
        QMap<QString, QStringList> ids;
        auto text = [](std::string_view name) {
            return QString::fromUtf8(name.data(), qsizetype(name.size()));
        };
        for (auto region : ravodozu::RegionProfile::allCases())
            ids["region."] << text(region.rawValue());
        for (auto appearance : ravodozu::allAppearances)
            ids["appearance."] << text(ravodozu::rawValue(appearance));
        ids["group."] << "favorites";
        for (const auto& group : ravodozu::categoryGroups())
            ids["group."] << text(group.id);
        ids["group."] << "custom";
        ids["panel.size."] << "small"
                           << "medium"
                           << "large";
        return ids;
    }();
    return all;
}

// Quoted texts inside the parentheses that start at `open`, e.g. both ids of
// qsTrId(pinned ? "picker.unpin" : "picker.pin").
QStringList quotedTextsInCall(const QString& source, qsizetype open) {
    QStringList texts;
    int depth = 0;
    for (auto i = open; i < source.size(); ++i) {
        auto c = source[i];
        if (c == '(') {
            ++depth;
        } else if (c == ')' && --depth == 0) {
            break;
        } else if (c == '"' || c == '\'') {
            auto close = i + 1;
            while (close < source.size() && source[close] != c)
                close += source[close] == '\\' ? 2 : 1;
            texts << source.mid(i + 1, close - i - 1);
            i = close;
        }
    }
    return texts;
}

// Every id handed to qsTrId, qtTrId or QT_TRID_NOOP in the QML and C++ sources. An id chosen
// away from the call (a property holding a key) is marked with QT_TRID_NOOP where it is written,
// as lupdate needs too. A text ending in "." is the prefix of a composed id.
QSet<QString> idsInSources() {
    static const QRegularExpression call(R"(\b(?:qsTrId|qtTrId|QT_TRID_NOOP)\s*\()");
    QSet<QString> ids;
    const QStringList roots{sourceDir() + "/desktop/qml", sourceDir() + "/desktop/src"};
    for (const auto& root : roots) {
        QDirIterator files(root, {"*.qml", "*.js", "*.cpp", "*.h"}, QDir::Files,
                           QDirIterator::Subdirectories);
        while (files.hasNext()) {
            QFile file(files.next());
            if (!file.open(QIODevice::ReadOnly))
                continue;
            auto source = QString::fromUtf8(file.readAll());
            auto calls = call.globalMatch(source);
            while (calls.hasNext())
                for (const auto& text : quotedTextsInCall(source, calls.next().capturedEnd() - 1))
                    ids.insert(text);
        }
    }
    return ids;
}

QSet<QString> idsThePanelUses() {
    QSet<QString> ids;
    for (const auto& id : idsInSources()) {
        if (!id.endsWith('.')) {
            ids.insert(id);
            continue;
        }
        // A prefix nobody listed the cases of (say "category.", whose names the catalogue
        // holds) has no texts here.
        EXPECT_TRUE(composedIds().contains(id))
            << "ids composed from unknown prefix " << id.toStdString();
        for (const auto& name : composedIds().value(id))
            ids.insert(id + name);
    }
    return ids;
}

QSet<QString> placeholders(const QString& text) {
    static const QRegularExpression placeholder(R"(%L?\d+)");
    QSet<QString> found;
    auto matches = placeholder.globalMatch(text);
    while (matches.hasNext())
        found.insert(matches.next().captured());
    return found;
}

QString listed(QStringList items) {
    items.sort();
    return items.join(", ");
}

// Every language is checked against the English texts below; here every text used is one of them.
TEST(Translations, EveryKeyThePanelUsesIsAnEnglishText) {
    auto keys = idsThePanelUses();
    for (auto it = composedIds().begin(); it != composedIds().end(); ++it)
        for (const auto& name : *it)
            keys.insert(it.key() + name);
    QStringList missing;
    for (const auto& key : keys)
        if (!catalogues()["en"].contains(key))
            missing << key;
    EXPECT_TRUE(missing.isEmpty()) << "en lacks " << listed(missing).toStdString();
}

TEST(Translations, EveryLanguageTranslatesEveryEnglishTextWithItsPlaceholders) {
    const auto& english = catalogues()["en"];
    ASSERT_FALSE(english.isEmpty());
    for (const auto& language : languages) {
        const auto& catalogue = catalogues()[language];
        QStringList lacking, unfinished, extra, staleSource, wrongPlaceholders;
        for (auto it = english.begin(); it != english.end(); ++it) {
            if (!catalogue.contains(it.key())) {
                lacking << it.key();
                continue;
            }
            const auto& message = catalogue[it.key()];
            if (!message.finished || message.translation.trimmed().isEmpty())
                unfinished << it.key();
            if (message.source != it->translation)
                staleSource << it.key();
            if (placeholders(message.translation) != placeholders(it->translation))
                wrongPlaceholders << it.key();
        }
        for (const auto& key : catalogue.keys())
            if (!english.contains(key))
                extra << key;
        auto name = language.toStdString();
        EXPECT_TRUE(lacking.isEmpty()) << name << " lacks " << listed(lacking).toStdString();
        EXPECT_TRUE(unfinished.isEmpty())
            << name << " has unfinished " << listed(unfinished).toStdString();
        EXPECT_TRUE(extra.isEmpty()) << name << " has extra " << listed(extra).toStdString();
        EXPECT_TRUE(staleSource.isEmpty()) << name << ": source differs from the English text in "
                                           << listed(staleSource).toStdString();
        EXPECT_TRUE(wrongPlaceholders.isEmpty())
            << name << ": placeholders differ in " << listed(wrongPlaceholders).toStdString();
    }
}

// The panel asks on every change of the preferences; only a change of language may reload the
// texts, since that rebuilds the whole panel.
TEST(Translations, TheBundleReinstallsOnlyWhenTheLanguageChanges) {
    zelvane::LocalizationBundle bundle;
    ravodozu::UserPreferences preferences;
    preferences.languageCode = "de";
    EXPECT_TRUE(bundle.installFor(preferences));
    EXPECT_EQ(qtTrId("panel.quit").toStdString(),
              catalogues()["de"].value("panel.quit").translation.toStdString());
    preferences.significantDigits = 7;
    EXPECT_FALSE(bundle.installFor(preferences));

    preferences.languageCode = "fr";
    EXPECT_TRUE(bundle.installFor(preferences));
    EXPECT_EQ(bundle.language().toStdString(), "fr");
    EXPECT_EQ(qtTrId("panel.quit").toStdString(),
              catalogues()["fr"].value("panel.quit").translation.toStdString());

    // Every embedded catalogue answers by id.
    for (const auto& language : languages) {
        QTranslator translator;
        ASSERT_TRUE(translator.load(":/i18n/zelvane_" + language + ".qm"))
            << language.toStdString();
        for (const char* id : {"panel.quit", "panel.copied", "region.taiwan"})
            EXPECT_EQ(translator.translate(nullptr, id).toStdString(),
                      catalogues()[language].value(id).translation.toStdString())
                << language.toStdString() << " " << id;
    }

    // A language without texts of its own shows English, never the bare ids.
    preferences.languageCode = "sv";
    EXPECT_TRUE(bundle.installFor(preferences));
    EXPECT_EQ(bundle.language().toStdString(), "en");
    EXPECT_EQ(qtTrId("panel.quit").toStdString(),
              catalogues()["en"].value("panel.quit").translation.toStdString());
}

} // namespace
