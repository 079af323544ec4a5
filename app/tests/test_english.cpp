#include "apptestsupport.h"
#include "language.h"
#include "planwindow.h"
#include "rampe.h"
#include "tlabel.h"
#include "tspinedit.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QTabWidget>
#include <QXmlStreamReader>

// The program in English, as a session in English starts it: every text the
// windows show that has an English translation shows it. The French texts a
// window could show are read from the translation file itself, so a text
// translated too early (before the translation is installed) or not at all
// is caught wherever it appears.

namespace {

// French source -> English, for every text whose English differs.
QHash<QString, QString> translations() {
    QHash<QString, QString> english;
    QFile file(QStringLiteral(QUARVEL_TS_PATH));
    if (!file.open(QIODevice::ReadOnly)) return english;
    QXmlStreamReader xml(&file);
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == u"source")
            source = xml.readElementText();
        else if (xml.name() == u"translation") {
            const QString text = xml.readElementText();
            if (!text.isEmpty() && text != source) english.insert(source, text);
        }
    }
    return english;
}

void addActionTexts(const QList<QAction*>& actions, QStringList& texts) {
    for (QAction* action : actions) {
        texts << action->text();
        if (action->menu()) addActionTexts(action->menu()->actions(), texts);
    }
}

// Every text a person reads in the widget and its children.
QStringList shownTexts(QWidget& top) {
    QStringList texts{top.windowTitle()};
    QList<QWidget*> widgets = top.findChildren<QWidget*>();
    widgets << &top;
    for (QWidget* w : widgets) {
        addActionTexts(w->actions(), texts);
        if (auto* label = qobject_cast<QLabel*>(w)) texts << label->text();
        if (auto* button = qobject_cast<QAbstractButton*>(w)) texts << button->text();
        if (auto* group = qobject_cast<QGroupBox*>(w)) texts << group->title();
        if (auto* tabs = qobject_cast<QTabWidget*>(w))
            for (int i = 0; i < tabs->count(); ++i)
                texts << tabs->tabText(i);
        if (auto* combo = qobject_cast<QComboBox*>(w))
            for (int i = 0; i < combo->count(); ++i)
                texts << combo->itemText(i);
        if (auto* table = qobject_cast<QTableWidget*>(w))
            for (int c = 0; c < table->columnCount(); ++c)
                if (table->horizontalHeaderItem(c)) texts << table->horizontalHeaderItem(c)->text();
    }
    texts.removeAll(QString());
    return texts;
}

} // namespace

class TestEnglish : public QObject {
    Q_OBJECT

    QHash<QString, QString> english = translations();

    // No French text that has English is shown; returns how many English ones are.
    int checkEnglish(QWidget& top) {
        int found = 0;
        for (const QString& text : shownTexts(top)) {
            if (english.contains(text)) {
                qWarning("French text shown in %s: %s", qPrintable(top.objectName()),
                         qPrintable(text));
                return -1;
            }
            for (const QString& e : std::as_const(english))
                if (e == text) {
                    ++found;
                    break;
                }
        }
        return found;
    }

private slots:
    void initTestCase() {
        QVERIFY(english.size() > 300);
        QCOMPARE(currentLanguage(), Language::English);
    }

    void windowsInEnglish() {
        StartedProgram program;
        QVERIFY(program.waitUntilDrawn());
        TQvl& qvl = program.qvl();
        QCOMPARE(qvl.tracer->text(), QStringLiteral("Draw"));

        // A notice: the left radius looks too long for its height.
        qvl.ser->SetValue(160);
        qvl.tracerClick();
        auto& notice = program.windows->errrayon;
        QVERIFY(notice.isVisible());
        QCOMPARE(notice.lrayon->text(),
                 english.value(QStringLiteral("Attention :  votre longueur de rayon semble trop "
                                              "grande compte tenu de la hauteur de la courbe.")));
        QVERIFY(!notice.lrayon->text().isEmpty());
        QVERIFY(checkEnglish(notice) > 0);
        QVERIFY(checkEnglish(qvl) > 10);

        qvl.constructionPlanAction->trigger();
        PlanWindow* plan = qvl.planWindow();
        QVERIFY(plan);
        QVERIFY(checkEnglish(*plan) > 10);

        int dialogTexts = -1;
        withModalDialog(
            [&] { qvl.constructionSettingsClick(); },
            [&](ConstructionSettingsDialog& dialog) { dialogTexts = checkEnglish(dialog); });
        QVERIFY(dialogTexts > 10);

        // The help and the credits, then every window on show.
        qvl.Utilisationdulogiciel1Click();
        qvl.Crdit1Click();
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible()) QVERIFY2(checkEnglish(*w) >= 0, qPrintable(w->objectName()));
    }
};

int main(int argc, char** argv) {
    qputenv("QUARVEL_LANGUAGE", "en");
    QApplication app(argc, argv);
    installLanguage();
    TestEnglish test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_english.moc"
