#pragma once

#include "prices.h"

#include <optional>
#include <QDialog>
#include <QStringView>
#include <vector>

class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QPushButton;

// "Prix" (the price table the plan window prices the shopping list with): a
// field per key of the price file, in the same order, decimals with a comma
// or a point. "Valeurs indicatives" shows while the fields hold the defaults.
class PriceDialog : public QDialog {
    Q_OBJECT
public:
    explicit PriceDialog(const PriceTable& prices, QWidget* parent = nullptr);

    // The fields' prices; none while a field is refused.
    std::optional<PriceTable> prices() const;

    QLineEdit* field(QStringView key) const;
    QLabel* indicativeNote() const { return m_indicative; }
    QPushButton* okButton() const;
    QPushButton* defaultsButton() const;

private:
    void showPrices(const PriceTable& prices);
    void check();

    std::vector<QLineEdit*> m_fields; // in priceKeys() order
    QLabel* m_indicative = nullptr;
    QDialogButtonBox* m_buttons = nullptr;
};

// The price table kept in the user's settings (QSettings, group "prices",
// the price file's keys and texts); the defaults for a key absent or
// unreadable there.
PriceTable storedPrices();
// Keeps the table; throws QuarvelError when the settings cannot be written.
void storePrices(const PriceTable& prices);
