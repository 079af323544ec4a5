#include "constructionsettingsdialog.h"

#include "settingsfieldtext.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

const QStringList& ConstructionSettingsDialog::paperCaptions() {
    static const QStringList captions{QStringLiteral("A4"), tr("Letter"), QStringLiteral("A3"),
                                      tr("Taille réelle")};
    return captions;
}

ConstructionSettingsDialog::ConstructionSettingsDialog(const ConstructionSettings& settings,
                                                       int paperIndex, QWidget* parent,
                                                       LengthUnit unit)
    : QDialog(parent)
    , m_unit(unit) {
    setObjectName(QStringLiteral("constructionSettingsDialog"));
    setWindowTitle(tr("Réglages de construction"));

    auto* layout = new QVBoxLayout(this);
    m_form = new QFormLayout;
    layout->addLayout(m_form);

    m_presetBox = new QComboBox(this);
    m_presetBox->setObjectName(QStringLiteral("preset"));
    for (const ConstructionPreset& preset : constructionPresets())
        m_presetBox->addItem(constructionPresetName(preset));
    m_presetBox->setPlaceholderText(tr("Choisir…"));
    m_presetBox->setCurrentIndex(-1);
    connect(m_presetBox, &QComboBox::activated, this, &ConstructionSettingsDialog::applyPreset);
    m_form->addRow(tr("Préréglages"), m_presetBox);

    m_unitBox = new QComboBox(this);
    m_unitBox->setObjectName(QStringLiteral("unit"));
    m_unitBox->addItems({tr("millimètres"), tr("pieds et pouces")});
    m_unitBox->setCurrentIndex(m_unit == LengthUnit::Inches ? 1 : 0);
    connect(m_unitBox, &QComboBox::activated, this, [this](int index) {
        setUnit(index == 1 ? LengthUnit::Inches : LengthUnit::Millimetres);
    });
    m_form->addRow(tr("Unité"), m_unitBox);

    for (const ConstructionSettingRow& row : constructionSettingRows()) {
        const QString key = QLatin1String(row.key);
        if (row.kind == SettingKind::Sides) {
            for (int side = 0; side < 2; ++side)
                addRow(row, side, 1);
        } else {
            addRow(row, 0, row.kind == SettingKind::Pair ? 2 : 1);
        }
        if (row.fieldHint)
            for (QLineEdit* field : m_fields[key])
                field->setPlaceholderText(
                    QCoreApplication::translate("ConstructionSettings", row.fieldHint));
    }

    m_paper = new QComboBox(this);
    m_paper->setObjectName(QStringLiteral("paper"));
    m_paper->addItems(paperCaptions());
    m_form->addRow(tr("Papier des gabarits"), m_paper);

    m_problem = new QLabel(this);
    m_problem->setObjectName(QStringLiteral("problem"));
    m_problem->setWordWrap(true);
    layout->addWidget(m_problem);

    m_buttons = new QDialogButtonBox(this);
    m_buttons->addButton(QDialogButtonBox::Ok)->setText(tr("OK"));
    m_buttons->addButton(QDialogButtonBox::Cancel)->setText(tr("Annuler"));
    m_buttons->addButton(QDialogButtonBox::RestoreDefaults)->setText(tr("Valeurs par défaut"));
    layout->addWidget(m_buttons);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(defaultsButton(), &QPushButton::clicked, this,
            [this] { showSettings(ConstructionSettings{}, 0); });

    showSettings(settings, paperIndex);
}

void ConstructionSettingsDialog::addRow(const ConstructionSettingRow& setting, int side,
                                        int fieldCount) {
    const QString key = QLatin1String(setting.key);
    QList<QLineEdit*>& fields = m_fields[key];
    auto* row = new QHBoxLayout;
    for (int i = 0; i < fieldCount; ++i) {
        if (i > 0) row->addWidget(new QLabel(QStringLiteral("×"), this));
        auto* edit = new QLineEdit(this);
        edit->setObjectName(key + QString::number(fields.size()));
        connect(edit, &QLineEdit::textEdited, this, [this, key] {
            m_edited[key] = true;
            check();
        });
        row->addWidget(edit);
        fields << edit;
    }
    auto* label = new QLabel(this);
    m_captions.append({label, &setting, side});
    m_form->addRow(label, row);
}

void ConstructionSettingsDialog::showCaptions() {
    for (const Caption& caption : m_captions)
        caption.label->setText(constructionSettingCaption(*caption.row, caption.side, m_unit));
}

void ConstructionSettingsDialog::showSettings(const ConstructionSettings& settings,
                                              int paperIndex) {
    const QLocale locale;
    m_shown = settings;
    m_edited.clear();
    showCaptions();
    for (const QString& key : constructionSettingKeys()) {
        const QStringList texts = settingFieldTexts(settings, key, locale, m_unit);
        const QList<QLineEdit*>& fields = m_fields[key];
        for (qsizetype i = 0; i < fields.size() && i < texts.size(); ++i)
            fields[i]->setText(texts[i]);
    }
    m_paper->setCurrentIndex(paperIndex);
    check();
}

void ConstructionSettingsDialog::setUnit(LengthUnit unit) {
    if (unit == m_unit) return;
    // What the fields hold, unedited keys exactly, shown again in the unit.
    const ConstructionSettings current = m_valid.value_or(m_shown);
    m_unit = unit;
    m_unitBox->setCurrentIndex(unit == LengthUnit::Inches ? 1 : 0);
    showSettings(current, paperIndex());
}

void ConstructionSettingsDialog::applyPreset(int index) {
    const std::span<const ConstructionPreset> presets = constructionPresets();
    if (index < 0 || index >= int(presets.size())) return;
    ConstructionSettings settings = m_valid.value_or(m_shown);
    applyConstructionPreset(settings, presets[std::size_t(index)]);
    showSettings(settings, paperIndex());
}

int ConstructionSettingsDialog::paperIndex() const {
    return m_paper->currentIndex();
}

QLineEdit* ConstructionSettingsDialog::field(const QString& key, int index) const {
    const QList<QLineEdit*> fields = m_fields.value(key);
    return index < fields.size() ? fields[index] : nullptr;
}

QPushButton* ConstructionSettingsDialog::okButton() const {
    return m_buttons->button(QDialogButtonBox::Ok);
}

QPushButton* ConstructionSettingsDialog::defaultsButton() const {
    return m_buttons->button(QDialogButtonBox::RestoreDefaults);
}

QString ConstructionSettingsDialog::problem() const {
    return m_problem->text();
}

void ConstructionSettingsDialog::check() {
    const QLocale locale;
    ConstructionSettings candidate;
    QStringList problems;
    const auto mark = [&](const QList<QLineEdit*>& fields, const QString& refusal) {
        for (QLineEdit* edit : fields) {
            edit->setToolTip(refusal);
            QPalette p = edit->palette();
            p.setColor(QPalette::Text,
                       refusal.isEmpty() ? palette().color(QPalette::Text) : QColor(176, 0, 0));
            edit->setPalette(p);
        }
        if (!refusal.isEmpty()) problems << refusal;
    };
    for (const QString& key : constructionSettingKeys()) {
        const QList<QLineEdit*>& fields = m_fields[key];
        QStringList texts;
        for (QLineEdit* edit : fields)
            texts << edit->text();
        try {
            // An unedited field keeps its millimetres, not its rounded inches.
            const QString text = m_edited.value(key) ? settingKeyText(key, texts, locale, m_unit)
                                                     : constructionSettingText(m_shown, key);
            setConstructionSetting(candidate, key, text);
            mark(fields, QString());
        } catch (const QuarvelError& error) {
            // In inches, what was typed and its range as typed, not millimetres.
            mark(fields, m_unit == LengthUnit::Millimetres
                             ? error.message()
                             : settingRefusal(key, texts, m_unit).message());
        }
    }
    if (problems.isEmpty()) {
        try {
            checkConstructionSettings(candidate, m_unit);
        } catch (const QuarvelError& error) {
            // The only check across keys: the flat framing against the rib depth.
            mark(m_fields[QStringLiteral("flat")], error.message());
        }
    }
    m_valid = problems.isEmpty() ? std::optional(candidate) : std::nullopt;
    m_problem->setText(problems.value(0));
    okButton()->setEnabled(m_valid.has_value());
}
