// The plug-in's implementation of SettingsFile, on QSettings. Built only into
// libzelvane-settings.so.
#include <QByteArray>
#include <QSettings>
#include <QString>
#include <QVariant>

#include "SettingsFile.h"

namespace zelvane {

namespace {

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// QSettings with an explicit file needs no QCoreApplication; it rewrites the whole file through
// QSaveFile (atomic rename) and merges its pending changes into what is on disk at each sync, so
// keys written meanwhile by another process are kept too.
class QtSettingsFile final : public SettingsFile {
  public:
    explicit QtSettingsFile(const char* path)
        : settings_(QString::fromUtf8(path), QSettings::IniFormat) {
        settings_.setFallbacksEnabled(false);
    }

    Status status() const override {
        switch (settings_.status()) {
        case QSettings::NoError:
            return Status::ok;
        case QSettings::AccessError:
            return Status::accessError;
        case QSettings::FormatError:
            return Status::formatError;
        }
        return Status::accessError;
    }

    std::optional<std::string> value(std::string_view key) const override {
        QVariant value = settings_.value(toQString(key));
        if (!value.isValid())
            return std::nullopt;
        return value.toByteArray().toStdString();
    }

    void setValue(std::string_view key, std::string_view bytes) override {
        settings_.setValue(toQString(key),
                           QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
    }

    void remove(std::string_view key) override { settings_.remove(toQString(key)); }

    std::vector<std::string> keys() const override {
        std::vector<std::string> result;
        for (const QString& key : settings_.allKeys())
            result.push_back(key.toStdString());
        return result;
    }

    void sync() override { settings_.sync(); }

  private:
    mutable QSettings settings_;
};

} // namespace

} // namespace zelvane

extern "C" __attribute__((visibility("default"))) zelvane::SettingsFile*
zelvane_open_settings_file(const char* path) {
    return new zelvane::QtSettingsFile(path);
}
