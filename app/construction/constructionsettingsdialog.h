#pragma once

#include "constructionsettings.h"
#include "lengthunits.h"

#include <optional>
#include <QDialog>
#include <QHash>
#include <QList>
#include <QStringList>

class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QPushButton;

// "Réglages de construction": one row per setting, plus the paper of the
// templates. Every edit checks the whole form; a refused field shows the
// refusal in its tooltip and OK stays disabled until every field is right, so
// the caller only ever receives a complete, valid set of settings. Lengths
// show and are typed in the unit chosen; a field left unedited keeps its
// millimetres exactly. "Préréglages" fills the fields with a region's values.
class ConstructionSettingsDialog : public QDialog {
    Q_OBJECT
public:
    // The paper choices, in the order of TemplatePaper.
    static const QStringList& paperCaptions();

    ConstructionSettingsDialog(const ConstructionSettings& settings, int paperIndex,
                               QWidget* parent = nullptr,
                               LengthUnit unit = LengthUnit::Millimetres);

    // The settings the form holds; nothing while a field is refused.
    std::optional<ConstructionSettings> settings() const { return m_valid; }
    int paperIndex() const;
    LengthUnit unit() const { return m_unit; }

    // The form as it would stand for these values.
    void showSettings(const ConstructionSettings& settings, int paperIndex);

    // A key's field: index 1 is the second of back (right), rib (thickness)
    // and sheet (long side).
    QLineEdit* field(const QString& key, int index = 0) const;
    QComboBox* paperBox() const { return m_paper; }
    QComboBox* unitBox() const { return m_unitBox; }     // millimetres, inches
    QComboBox* presetBox() const { return m_presetBox; } // constructionPresets()' order
    QPushButton* okButton() const;
    QPushButton* defaultsButton() const;
    // The first refusal, shown under the form; empty when all is right.
    QString problem() const;

private:
    void addRow(const ConstructionSettingRow& setting, int side, int fieldCount);
    void check();
    void setUnit(LengthUnit unit);
    void showCaptions();
    void applyPreset(int index);

    QHash<QString, QList<QLineEdit*>> m_fields;
    class QFormLayout* m_form = nullptr;
    QComboBox* m_paper = nullptr;
    QComboBox* m_unitBox = nullptr;
    QComboBox* m_presetBox = nullptr;
    LengthUnit m_unit = LengthUnit::Millimetres;
    ConstructionSettings m_shown;  // what the fields showed before any edit
    QHash<QString, bool> m_edited; // keys with a field the user typed in
    struct Caption {
        QLabel* label = nullptr;
        const ConstructionSettingRow* row = nullptr;
        int side = 0;
    };
    QList<Caption> m_captions;
    QLabel* m_problem = nullptr;
    QDialogButtonBox* m_buttons = nullptr;
    std::optional<ConstructionSettings> m_valid;
};
