#include "pricedialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>

namespace {
const QString group = QStringLiteral("prices");

QString caption(QStringView key) {
    static const std::pair<const char16_t*, const char*> captions[] = {
        {u"sheet", QT_TRANSLATE_NOOP("PriceDialog", "Contreplaqué, par m² et par mm d'épaisseur")},
        {u"timber", QT_TRANSLATE_NOOP("PriceDialog", "Bois de la section des tasseaux, par mètre")},
        {u"pipe", QT_TRANSLATE_NOOP("PriceDialog", "Tube de coping, par mètre")},
        {u"screws_short", QT_TRANSLATE_NOOP("PriceDialog", "Vis jusqu'à 50 mm, les 100")},
        {u"screws_long", QT_TRANSLATE_NOOP("PriceDialog", "Vis plus longues, les 100")},
        {u"lag", QT_TRANSLATE_NOOP("PriceDialog", "Tire-fond, pièce")},
        {u"bolt", QT_TRANSLATE_NOOP("PriceDialog", "Boulon avec rondelles et écrou, pièce")},
        {u"bracket", QT_TRANSLATE_NOOP("PriceDialog", "Équerre, pièce")},
        {u"glue", QT_TRANSLATE_NOOP("PriceDialog", "Colle, par kg")},
        {u"currency", QT_TRANSLATE_NOOP("PriceDialog", "Monnaie")}};
    for (const auto& [name, text] : captions)
        if (key == QStringView(name)) return PriceDialog::tr(text);
    return key.toString();
}

// A price for people: the decimal comma of the French texts.
QString fieldText(const PriceTable& prices, QStringView key) {
    QString text = priceValueText(prices, key);
    if (key != u"currency") text.replace(u'.', u',');
    return text;
}
} // namespace

PriceDialog::PriceDialog(const PriceTable& prices, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("priceDialog"));
    setWindowTitle(tr("Prix"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    for (const QString& key : priceKeys()) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(key);
        form->addRow(caption(key), edit);
        m_fields.push_back(edit);
        connect(edit, &QLineEdit::textChanged, this, &PriceDialog::check);
    }
    layout->addLayout(form);
    m_indicative = new QLabel(tr("Valeurs indicatives (magasin de bricolage, 2026)"), this);
    m_indicative->setObjectName(QStringLiteral("indicative"));
    layout->addWidget(m_indicative);
    m_buttons = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::RestoreDefaults, this);
    defaultsButton()->setText(tr("Valeurs indicatives"));
    layout->addWidget(m_buttons);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(defaultsButton(), &QPushButton::clicked, this, [this] { showPrices(PriceTable{}); });
    showPrices(prices);
}

void PriceDialog::showPrices(const PriceTable& prices) {
    for (std::size_t i = 0; i < m_fields.size(); ++i)
        m_fields[i]->setText(fieldText(prices, priceKeys()[qsizetype(i)]));
}

std::optional<PriceTable> PriceDialog::prices() const {
    PriceTable table;
    try {
        for (std::size_t i = 0; i < m_fields.size(); ++i) {
            const QStringView key = priceKeys()[qsizetype(i)];
            QString text = m_fields[i]->text().trimmed();
            if (key != u"currency") text.replace(u',', u'.');
            setPriceValue(table, key, text);
        }
    } catch (const PriceFileError&) {
        return std::nullopt;
    }
    return table;
}

QLineEdit* PriceDialog::field(QStringView key) const {
    const qsizetype i = priceKeys().indexOf(key.toString());
    return i < 0 ? nullptr : m_fields[std::size_t(i)];
}

QPushButton* PriceDialog::okButton() const {
    return m_buttons->button(QDialogButtonBox::Ok);
}

QPushButton* PriceDialog::defaultsButton() const {
    return m_buttons->button(QDialogButtonBox::RestoreDefaults);
}

void PriceDialog::check() {
    if (!m_buttons) return; // still being built
    const std::optional<PriceTable> table = prices();
    okButton()->setEnabled(table.has_value());
    m_indicative->setVisible(table && table->indicative());
}

PriceTable storedPrices() {
    QSettings settings;
    settings.beginGroup(group);
    PriceTable prices;
    for (const QString& key : priceKeys()) {
        const QVariant value = settings.value(key);
        if (!value.isValid()) continue;
        try {
            setPriceValue(prices, key, value.toString());
        } catch (const PriceFileError&) {
            // Left at its default: a hand-edited settings file.
        }
    }
    return prices;
}

void storePrices(const PriceTable& prices) {
    QSettings settings;
    settings.beginGroup(group);
    for (const QString& key : priceKeys())
        settings.setValue(key, priceValueText(prices, key));
    settings.endGroup();
    settings.sync();
    if (settings.status() != QSettings::NoError)
        throw QuarvelError(
            PriceDialog::tr("Impossible d'enregistrer les prix dans %1").arg(settings.fileName()));
}
