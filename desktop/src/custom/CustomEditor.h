// CustomEditor: the draft of one custom conversion or extra unit, compiled as it is edited, and
// stored when it compiles.
#pragma once

#include <QObject>
#include <QString>
#include <QVariantList>
#include <QtQml/qqmlregistration.h>

#include "EditorParameters.h"
#include "EditorUnits.h"
#include "RavoDozu/CustomLibrary.h"

namespace zelvane {

class AppState;

/// One per panel, so a draft outlasts the page being built anew in another language. Every
/// edit compiles the draft with the core's resolver, as the converter will use it.
class CustomEditor : public QObject {
    Q_OBJECT
    QML_ELEMENT

    Q_PROPERTY(bool isExtra READ isExtra NOTIFY started)
    /// Whether saving adds a new item rather than replacing a stored one.
    Q_PROPERTY(bool isNew READ isNew NOTIFY started)
    Q_PROPERTY(QString name READ name WRITE setName NOTIFY started)
    Q_PROPERTY(QString glyph READ glyph WRITE setGlyph NOTIFY started)
    /// Fraction digits the conversion's values are shown with; -1 for the usual display.
    Q_PROPERTY(int decimals READ decimals WRITE setDecimals NOTIFY started)
    /// For an extra unit: the built-in category and the unit of it the rule is written against.
    Q_PROPERTY(QString categoryId READ categoryId WRITE setCategoryId NOTIFY categoryChanged)
    Q_PROPERTY(QString referenceUnitId READ referenceUnitId WRITE setReferenceUnitId NOTIFY
                   categoryChanged)
    Q_PROPERTY(zelvane::EditorUnits* units READ units CONSTANT)
    Q_PROPERTY(zelvane::EditorParameters* parameters READ parameters CONSTANT)
    /// Why the draft cannot be saved yet, or "" when it can.
    Q_PROPERTY(QString saveProblem READ saveProblem NOTIFY compiled)

  public:
    explicit CustomEditor(QObject* parent = nullptr);

    bool isExtra() const { return isExtra_; }
    bool isNew() const { return isNew_; }
    QString name() const;
    void setName(const QString& name);
    QString glyph() const;
    void setGlyph(const QString& glyph);
    int decimals() const;
    void setDecimals(int decimals);
    QString categoryId() const;
    void setCategoryId(const QString& categoryId);
    QString referenceUnitId() const;
    void setReferenceUnitId(const QString& unitId);
    EditorUnits* units() { return &units_; }
    EditorParameters* parameters() { return &parameters_; }
    QString saveProblem() const { return saveProblem_; }

    /// A new conversion: a reference unit and one unit defined by a ratio.
    Q_INVOKABLE void startConversion();
    /// A new extra unit, for `categoryId` (the first category when "").
    Q_INVOKABLE void startExtra(const QString& categoryId = {});
    /// Loads the stored conversion or extra unit with that id; false when there is none.
    Q_INVOKABLE bool edit(const QString& itemId);
    /// Stores the draft (added, or in place of the stored one); "" on success, else why not.
    /// The panel takes in the stored library at once.
    Q_INVOKABLE QString save();
    /// The category a saved conversion makes, "" for an extra unit.
    Q_INVOKABLE QString savedCategoryId() const;

    /// { value, label } pairs: the built-in categories (currency included), and the units of
    /// the chosen one.
    Q_INVOKABLE QVariantList categoryChoices() const;
    Q_INVOKABLE QVariantList referenceChoices() const;

  signals:
    void started();
    void categoryChanged();
    void compiled();

  private:
    void compile();
    QString firstProblem(const ravodozu::ResolvedCustomLibrary& resolved) const;
    ravodozu::CustomConversion conversion() const;
    ravodozu::CustomExtraUnit extra() const;
    void load(bool isExtra, bool isNew);

    AppState& app_;
    EditorUnits units_;
    EditorParameters parameters_;
    bool isExtra_ = false;
    bool isNew_ = true;
    /// The draft's fields other than its units and parameters.
    ravodozu::CustomConversion conversion_;
    ravodozu::CustomExtraUnit extra_;
    QString saveProblem_;
};

} // namespace zelvane
