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

#include "EditorUnits.h"
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

const QString sourceDir = QStringLiteral(ZELVANE_SOURCE_DIR);

Catalogue readCatalogue(const QString& language) {
    QFile file(sourceDir + "/desktop/translations/zelvane_" + language + ".ts");
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(file.fileName());
    Catalogue catalogue;
    QXmlStreamReader xml(&file);
    for (QString id; !xml.atEnd();) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"message") {
            id = xml.attributes().value("id").toString();
            EXPECT_FALSE(catalogue.contains(id)) << qPrintable(language + ": twice " + id);
            catalogue[id] = {};
        } else if (xml.name() == u"source") {
            catalogue[id].source = xml.readElementText();
        } else if (xml.name() == u"translation") {
            // "unfinished", "obsolete" and "vanished" texts are left out of the compiled catalogue.
            catalogue[id].finished = xml.attributes().value("type").isEmpty();
            catalogue[id].translation = xml.readElementText();
        }
    }
    EXPECT_FALSE(xml.hasError()) << qPrintable(language + ": " + xml.errorString());
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
        ids["panel.size."] = {"small", "medium", "large"};
        ids["custom.op."] = zelvane::EditorUnits::stepOps();
        return ids;
    }();
    return all;
}

// Every id handed to qsTrId, qtTrId or QT_TRID_NOOP in the QML and C++ sources, both ids of
// qsTrId(pinned ? "picker.unpin" : "picker.pin") too. An id chosen away from the call (a property
// holding a key) is marked with QT_TRID_NOOP where it is written, as lupdate needs too. A text
// ending in "." is the prefix of a composed id.
QSet<QString> idsInSources() {
    static const QRegularExpression call(R"re(\b(?:qsTrId|qtTrId|QT_TRID_NOOP)\s*\(([^()]*)\))re");
    static const QRegularExpression quoted(R"re("([^"]*)"|'([^']*)')re");
    QSet<QString> ids;
    for (const auto& root : {sourceDir + "/desktop/qml", sourceDir + "/desktop/src"}) {
        QDirIterator files(root, {"*.qml", "*.js", "*.cpp", "*.h"}, QDir::Files,
                           QDirIterator::Subdirectories);
        while (files.hasNext()) {
            QFile file(files.next());
            EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(file.fileName());
            for (const auto& match : call.globalMatch(QString::fromUtf8(file.readAll())))
                for (const auto& text : quoted.globalMatch(match.captured(1)))
                    ids.insert(text.captured(1) + text.captured(2));
        }
    }
    return ids;
}

QSet<QString> placeholders(const QString& text) {
    static const QRegularExpression placeholder(R"(%L?\d+)");
    QSet<QString> found;
    for (const auto& match : placeholder.globalMatch(text))
        found.insert(match.captured());
    return found;
}

TEST(Translations, EveryKeyThePanelUsesIsAnEnglishText) {
    QStringList missing;
    for (auto it = composedIds().begin(); it != composedIds().end(); ++it)
        for (const auto& name : *it)
            if (!catalogues()["en"].contains(it.key() + name))
                missing << it.key() + name;
    for (const auto& id : idsInSources()) {
        // A prefix nobody listed the cases of (say "category.", whose names the catalogue
        // holds) has no texts here.
        if (id.endsWith('.'))
            EXPECT_TRUE(composedIds().contains(id))
                << "ids composed from unknown prefix " << qPrintable(id);
        else if (!catalogues()["en"].contains(id))
            missing << id;
    }
    missing.sort();
    EXPECT_TRUE(missing.isEmpty()) << qPrintable("en lacks " + missing.join(", "));
}

TEST(Translations, EveryLanguageTranslatesEveryEnglishTextWithItsPlaceholders) {
    const auto& english = catalogues()["en"];
    ASSERT_FALSE(english.isEmpty());
    for (const auto& language : languages) {
        const auto& catalogue = catalogues()[language];
        QStringList problems;
        for (auto it = english.begin(); it != english.end(); ++it) {
            const auto message = catalogue.value(it.key());
            if (!catalogue.contains(it.key()))
                problems << "lacks " + it.key();
            else if (!message.finished || message.translation.trimmed().isEmpty())
                problems << "unfinished " + it.key();
            else if (message.source != it->translation)
                problems << "source differs from the English text in " + it.key();
            else if (placeholders(message.translation) != placeholders(it->translation))
                problems << "placeholders differ in " + it.key();
        }
        for (const auto& key : catalogue.keys())
            if (!english.contains(key))
                problems << "extra " + key;
        EXPECT_TRUE(problems.isEmpty()) << qPrintable(language + ": " + problems.join("; "));
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
    EXPECT_EQ(bundle.language().toStdString(), "de");
    preferences.significantDigits = 7;
    EXPECT_FALSE(bundle.installFor(preferences));

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
