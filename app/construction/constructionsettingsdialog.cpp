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
                                                       int paperIndex, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("constructionSettingsDialog"));
    setWindowTitle(tr("Réglages de construction"));

    auto* layout = new QVBoxLayout(this);
    m_form = new QFormLayout;
    layout->addLayout(m_form);

    for (const ConstructionSettingRow& row : constructionSettingRows()) {
        const QString key = QLatin1String(row.key);
        if (row.kind == SettingKind::Sides) {
            for (int side = 0; side < 2; ++side)
                addRow(constructionSettingCaption(row, side), key, 1);
        } else {
            addRow(constructionSettingCaption(row), key, row.kind == SettingKind::Pair ? 2 : 1);
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

void ConstructionSettingsDialog::addRow(const QString& caption, const QString& key,
                                        int fieldCount) {
    QList<QLineEdit*>& fields = m_fields[key];
    auto* row = new QHBoxLayout;
    for (int i = 0; i < fieldCount; ++i) {
        if (i > 0) row->addWidget(new QLabel(QStringLiteral("×"), this));
        auto* edit = new QLineEdit(this);
        edit->setObjectName(key + QString::number(fields.size()));
        connect(edit, &QLineEdit::textEdited, this, &ConstructionSettingsDialog::check);
        row->addWidget(edit);
        fields << edit;
    }
    m_form->addRow(caption, row);
}

void ConstructionSettingsDialog::showSettings(const ConstructionSettings& settings,
                                              int paperIndex) {
    const QLocale locale;
    for (const QString& key : constructionSettingKeys()) {
        const QStringList texts = settingFieldTexts(settings, key, locale);
        const QList<QLineEdit*>& fields = m_fields[key];
        for (qsizetype i = 0; i < fields.size() && i < texts.size(); ++i)
            fields[i]->setText(texts[i]);
    }
    m_paper->setCurrentIndex(paperIndex);
    check();
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
            setConstructionSetting(candidate, key, settingKeyText(key, texts, locale));
            mark(fields, QString());
        } catch (const QuarvelError& error) {
            mark(fields, error.message());
        }
    }
    if (problems.isEmpty()) {
        try {
            checkConstructionSettings(candidate);
        } catch (const QuarvelError& error) {
            // The only check across keys: the flat framing against the rib depth.
            mark(m_fields[QStringLiteral("flat")], error.message());
        }
    }
    m_valid = problems.isEmpty() ? std::optional(candidate) : std::nullopt;
    m_problem->setText(problems.value(0));
    okButton()->setEnabled(m_valid.has_value());
}
