#include "language.h"
#include "pricedialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QtTest>

// A French window shows Qt's own buttons in French too: the price dialog's
// Cancel button carries no text of ours.
class TestQtFrench : public QObject {
    Q_OBJECT

private slots:
    void standardButtons() {
        const PriceDialog dialog({});
        const auto* box = dialog.findChild<QDialogButtonBox*>();
        QVERIFY(box);
        QCOMPARE(box->button(QDialogButtonBox::Cancel)->text().remove(u'&'),
                 QStringLiteral("Annuler"));
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    installLanguage();
    installQtLanguage();
    TestQtFrench test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_qtfrench.moc"
