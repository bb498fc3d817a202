// CustomImport: a shared custom conversion or extra unit on its way in — read from pasted text
// or a zelvane: link, previewed with what its clean-up changed, and stored only when the user
// accepts it. The QML singleton `CustomImport`.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QtQml/qqmlregistration.h>

#include <optional>
#include <vector>

#include "LatestInstance.h"
#include "RavoDozu/CustomShare.h"
#include "RavoDozu/ShareCleanUp.h"

namespace zelvane {

class AppState;

class CustomImport : public QObject, public LatestInstance<CustomImport> {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

    /// An item waits for the user's answer.
    Q_PROPERTY(bool ready READ ready NOTIFY changed)
    /// Why the text read last cannot be imported, in the interface language; empty otherwise.
    Q_PROPERTY(QString error READ error NOTIFY changed)
    Q_PROPERTY(bool isConversion READ isConversion NOTIFY changed)
    /// The conversion's name, or the extra unit's.
    Q_PROPERTY(QString name READ name NOTIFY changed)
    /// For an extra unit: the display name of the category it joins.
    Q_PROPERTY(QString categoryName READ categoryName NOTIFY changed)
    Q_PROPERTY(int unitCount READ unitCount NOTIFY changed)
    Q_PROPERTY(int parameterCount READ parameterCount NOTIFY changed)
    /// "unit = formula" for every unit with a rule.
    Q_PROPERTY(QStringList lines READ lines NOTIFY changed)
    /// The «category.unit» references that name no unit here.
    Q_PROPERTY(QStringList unknown READ unknown NOTIFY changed)
    /// What the clean-up changed or removed, one sentence each.
    Q_PROPERTY(QStringList changes READ changes NOTIFY changed)

  public:
    /// Pasted text longer than this holds nothing the size limit lets in, and is not searched.
    static constexpr qsizetype maxTextLength = 1 << 20;

    explicit CustomImport(AppState& app, QObject* parent = nullptr);
    ~CustomImport() override;

    /// Reads a link anywhere in `text`, or share JSON, and previews its item. False when
    /// nothing in it is a shared item at all (other refusals are shown as `error`).
    bool read(const QString& text);
    /// Stores the item waiting; false (said in a toast) when it cannot be stored.
    Q_INVOKABLE bool accept();
    /// Forgets the item.
    Q_INVOKABLE void clear();

    bool ready() const { return kept_.has_value(); }
    QString error() const;
    bool isConversion() const { return kept_ && kept_->conversion(); }
    QString name() const;
    QString categoryName() const;
    int unitCount() const { return static_cast<int>(preview_.unitCount); }
    int parameterCount() const { return static_cast<int>(preview_.parameterCount); }
    QStringList lines() const;
    QStringList unknown() const;
    QStringList changes() const;

  signals:
    void changed();
    /// The item was stored: "custom." + id for a conversion's category, else the id of the
    /// category the extra unit joined.
    void added(const QString& name, const QString& categoryId);

  private:
    AppState& app_;
    std::optional<ravodozu::CustomShare::Payload> kept_;
    std::optional<ravodozu::CustomShare::ShareError> error_;
    ravodozu::CustomShare::Preview preview_;
    std::vector<ravodozu::CustomShare::CleanUpChange> changes_;
};

} // namespace zelvane
