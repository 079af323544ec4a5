#include "apptestsupport.h"
#include "constructionsettingsdialog.h"
#include "regiondefaults.h"
#include "settingsfieldtext.h"
#include "testfiles.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

Q_DECLARE_METATYPE(ConstructionSettings)
Q_DECLARE_METATYPE(QLocale::Territory)

namespace {
QStringList texts(const QList<QAction*>& actions) {
    QStringList list;
    for (const QAction* a : actions)
        list << (a->menu() ? a->menu()->title() : a->text());
    return list;
}

} // namespace

class TestSettingsDialog : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<StartedProgram> program;
    TQvl* qvl = nullptr;
    QTemporaryDir dir;

    QString path(const char* name) const { return dir.filePath(QLatin1String(name)); }

private slots:
    void init() {
        program = std::make_unique<StartedProgram>();
        QVERIFY(program->waitUntilDrawn());
        qvl = &program->qvl();
    }
    void cleanup() { program.reset(); }

    void fieldsToKeyText_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QString>("keyText"); // empty: refused
        QTest::newRow("two layers") << "C"
                                    << "surface" << QStringList{"9 + 9"} << "9,9";
        QTest::newRow("three layers, no blanks") << "C"
                                                 << "surface" << QStringList{"6+6+6"} << "6,6,6";
        QTest::newRow("French decimals") << "fr_FR"
                                         << "surface" << QStringList{"6,5 + 9"} << "6.5,9";
        // A comma in a '.' locale must not split the layer in two.
        QTest::newRow("comma in C") << "C"
                                    << "surface" << QStringList{"9,9"} << "";
        QTest::newRow("empty layer") << "C"
                                     << "surface" << QStringList{"9 + "} << "";
        QTest::newRow("deck lengths") << "C"
                                      << "back" << QStringList{"", " "} << "-,-";
        QTest::newRow("right back") << "fr_FR"
                                    << "back" << QStringList{"", "450,5"} << "-,450.5";
        QTest::newRow("rib") << "C"
                             << "rib" << QStringList{"89", "38"} << "89x38";
        QTest::newRow("sheet") << "C"
                               << "sheet" << QStringList{"1220", "2440"} << "1220x2440";
        QTest::newRow("coping") << "fr_FR"
                                << "coping" << QStringList{" 60,3 "} << "60.3";
        QTest::newRow("two separators") << "C"
                                        << "kerf" << QStringList{"1.2.3"} << "";
        QTest::newRow("exponent") << "C"
                                  << "panel" << QStringList{"1e1"} << "";
        QTest::newRow("negative") << "C"
                                  << "reveal" << QStringList{"-3"} << "";
        QTest::newRow("empty") << "C"
                               << "panel" << QStringList{""} << "";
    }
    void fieldsToKeyText() {
        QFETCH(QString, locale);
        QFETCH(QString, key);
        QFETCH(QStringList, fields);
        QFETCH(QString, keyText);
        try {
            QCOMPARE(settingKeyText(key, fields, QLocale(locale)), keyText);
        } catch (const ConstructionSettingError& error) {
            QVERIFY2(keyText.isEmpty(), qPrintable(error.message()));
            QVERIFY(error.message().startsWith(
                QStringLiteral("Réglage de construction incorrect : %1=").arg(key)));
            QVERIFY(error.message().endsWith(
                QStringLiteral("(%1)").arg(constructionSettingRange(key))));
        }
    }

    void settingsToFields_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("keyText");
        QTest::addColumn<QStringList>("fields");
        QTest::newRow("default surface") << "C"
                                         << "surface"
                                         << "9,9" << QStringList{"9 + 9"};
        QTest::newRow("layers in French") << "fr_FR"
                                          << "surface"
                                          << "6.5,6,6" << QStringList{"6,5 + 6 + 6"};
        QTest::newRow("coping in French") << "fr_FR"
                                          << "coping"
                                          << "60.3" << QStringList{"60,3"};
        QTest::newRow("deck lengths") << "C"
                                      << "back"
                                      << "-,-" << QStringList{"", ""};
        QTest::newRow("left back") << "C"
                                   << "back"
                                   << "300,-" << QStringList{"300", ""};
        QTest::newRow("rib") << "C"
                             << "rib"
                             << "140x38" << QStringList{"140", "38"};
        QTest::newRow("post") << "C"
                              << "post"
                              << "89x140" << QStringList{"89", "140"};
        // Semicolons between the lengths: the decimal comma stays a decimal.
        QTest::newRow("stock in French") << "fr_FR"
                                         << "stock"
                                         << "2438.4,3048" << QStringList{"2438,4 ; 3048"};
    }
    void settingsToFields() {
        QFETCH(QString, locale);
        QFETCH(QString, key);
        QFETCH(QString, keyText);
        QFETCH(QStringList, fields);
        ConstructionSettings settings;
        setConstructionSetting(settings, key, keyText);
        QCOMPARE(settingFieldTexts(settings, key, QLocale(locale)), fields);
        // And back again.
        QCOMPARE(settingKeyText(key, fields, QLocale(locale)), keyText);
    }

    void menuBarOrder() {
        QCOMPARE(texts(qvl->menuBar()->actions()),
                 (QStringList{"Fichier", "Construction", "Aide"}));
        QCOMPARE(texts(qvl->constructionMenu->actions()),
                 (QStringList{"Réglages de construction...", "Plan de construction...",
                              "Gabarits à l'échelle 1 (PDF)...", "Fichier de découpe (DXF, SVG)...",
                              "Modèle 3D (glTF, OBJ)...", "Livret de construction (PDF)..."}));
        QCOMPARE(texts(qvl->Fichier1->actions()),
                 (QStringList{"Ouvrir", "Enregistrer sous", "Exporter image", "Quitter"}));
        QCOMPARE(texts(qvl->Aide1->actions()), (QStringList{"Utilisation du logiciel", "Crédits"}));
    }

    void dialogShowsTheSettings() {
        ConstructionSettings settings;
        setConstructionSetting(settings, u"surface", u"6,6,6");
        setConstructionSetting(settings, u"back", u"-,450");
        setConstructionSetting(settings, u"coping", u"0");
        ConstructionSettingsDialog dialog(settings, 2);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Réglages de construction"));
        QCOMPARE(dialog.field("surface")->text(), QStringLiteral("6 + 6 + 6"));
        QCOMPARE(dialog.field("back", 0)->text(), QString());
        QCOMPARE(dialog.field("back", 1)->text(), QStringLiteral("450"));
        QCOMPARE(dialog.field("coping")->text(), QStringLiteral("0"));
        QCOMPARE(dialog.field("sheet", 1)->text(), QStringLiteral("2440"));
        QCOMPARE(dialog.paperBox()->currentText(), QStringLiteral("A3"));
        QVERIFY(dialog.okButton()->isEnabled());
        QVERIFY(dialog.settings() == settings);
        QCOMPARE(dialog.okButton()->text(), QStringLiteral("OK"));
        QCOMPARE(dialog.defaultsButton()->text(), QStringLiteral("Valeurs par défaut"));
        // A field for every key of the settings table, two for a pair and for
        // the two sides.
        for (const ConstructionSettingRow& row : constructionSettingRows()) {
            const int fields =
                row.kind == SettingKind::Pair || row.kind == SettingKind::Sides ? 2 : 1;
            QVERIFY2(dialog.field(row.key, fields - 1), row.key);
            QVERIFY2(!dialog.field(row.key, fields), row.key);
        }
    }

    void refusedValue_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("panel too thick") << "panel" << 0 << "50"
                                         << "Réglage de construction incorrect : panel=50 (9 à 40)";
        QTest::newRow("thin layer") << "surface" << 0 << "9 + 2"
                                    << "Réglage de construction incorrect : surface=9,2 (1 à 4 "
                                       "couches, chacune de 3 à 25)";
        QTest::newRow("five layers") << "surface" << 0 << "3 + 3 + 3 + 3 + 3"
                                     << "Réglage de construction incorrect : surface=3,3,3,3,3 "
                                        "(1 à 4 couches, chacune de 3 à 25)";
        QTest::newRow("comma in C") << "surface" << 0 << "9,5"
                                    << "Réglage de construction incorrect : surface=9,5 (1 à 4 "
                                       "couches, chacune de 3 à 25)";
        QTest::newRow("kerf") << "kerf" << 0 << "13"
                              << "Réglage de construction incorrect : kerf=13 (0 à 12)";
        QTest::newRow("coping between 0 and 25")
            << "coping" << 0 << "20"
            << "Réglage de construction incorrect : coping=20 (0, ou 25 à 120)";
        QTest::newRow("sheet long side") << "sheet" << 1 << "900"
                                         << "Réglage de construction incorrect : sheet=1220x900 "
                                            "(600 à 2000 x 1200 à 4000, petit côté d'abord)";
        QTest::newRow("short stock") << "stock" << 0 << "2400 ; 900"
                                     << "Réglage de construction incorrect : stock=2400,900 (1 à "
                                        "8 longueurs, chacune de 1000 à 7200)";
        QTest::newRow("letters") << "spacing" << 0 << "abc"
                                 << "Réglage de construction incorrect : spacing=abc (300 à 1220)";
        // Across keys: the flat framing must take the ribs.
        QTest::newRow("flat under the rib depth")
            << "flat" << 0 << "30"
            << "Réglage de construction incorrect : flat=30 (38 à 300)";
    }
    void refusedValue() { checkRefusal(LengthUnit::Millimetres); }

    // In inches, the refusal gives what was typed and the range in inches:
    // 9 to 40 mm is 11/32" to 1 9/16"; 600 to 2000 mm 23 5/8" to 6' 6 3/4",
    // 1200 to 4000 mm 3' 11 1/4" to 13' 1 1/2"; 38 mm (the rib depth) 1 1/2",
    // 300 mm 11 13/16".
    void refusedValueInInches_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("panel too thick")
            << "panel" << 0 << "2"
            << "Réglage de construction incorrect : panel=2 (11/32\" à 1 9/16\")";
        QTest::newRow("sheet long side")
            << "sheet" << 1 << "3'"
            << "Réglage de construction incorrect : sheet=4' 1/16\"x3' (23 5/8\" à 6' 6 3/4\" x "
               "3' 11 1/4\" à 13' 1 1/2\", petit côté d'abord)";
        QTest::newRow("flat under its range")
            << "flat" << 0 << "1"
            << "Réglage de construction incorrect : flat=1 (profondeur des tasseaux à 11 13/16\")";
        QTest::newRow("flat under the rib depth")
            << "flat" << 0 << "1 1/4"
            << "Réglage de construction incorrect : flat=1 1/4\" (1 1/2\" à 11 13/16\")";
    }
    void refusedValueInInches() { checkRefusal(LengthUnit::Inches); }

private:
    void checkRefusal(LengthUnit unit) {
        QFETCH(QString, key);
        QFETCH(int, index);
        QFETCH(QString, text);
        QFETCH(QString, refusal);
        ConstructionSettingsDialog dialog(ConstructionSettings{}, 0, nullptr, unit);
        QLineEdit* edit = dialog.field(key, index);
        QVERIFY(edit);
        const QString before = edit->text();
        type(edit, text);
        QCOMPARE(edit->toolTip(), refusal);
        QCOMPARE(dialog.problem(), refusal);
        QVERIFY(!dialog.okButton()->isEnabled());
        QVERIFY(!dialog.settings());
        // The other fields stay clear.
        QCOMPARE(dialog.field("reveal")->toolTip(), QString());
        type(edit, before);
        QCOMPARE(edit->toolTip(), QString());
        QVERIFY(dialog.okButton()->isEnabled());
        // Typed back in inches, a field holds its value to the 1/16 in.
        if (unit == LengthUnit::Millimetres) QVERIFY(dialog.settings() == ConstructionSettings{});
    }

private slots:

    void inchFieldsToKeyText_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QString>("keyText"); // empty: refused
        QTest::newRow("3/8 layers") << "surface" << QStringList{"3/8 + 3/8\""} << "9.5,9.5";
        QTest::newRow("4 x 8 ft") << "sheet" << QStringList{"4'", "8'"} << "1219.2x2438.4";
        QTest::newRow("feet of stock") << "stock" << QStringList{"8' ; 10'"} << "2438.4,3048";
        QTest::newRow("decimal comma") << "rib" << QStringList{"3,5", "1 1/2"} << "88.9x38.1";
        QTest::newRow("deck lengths") << "back" << QStringList{"", "2' 6\""} << "-,762";
        QTest::newRow("letters") << "panel" << QStringList{"abc"} << "";
    }
    void inchFieldsToKeyText() {
        QFETCH(QString, key);
        QFETCH(QStringList, fields);
        QFETCH(QString, keyText);
        try {
            QCOMPARE(settingKeyText(key, fields, QLocale::c(), LengthUnit::Inches), keyText);
        } catch (const ConstructionSettingError& error) {
            QVERIFY2(keyText.isEmpty(), qPrintable(error.message()));
        }
    }

    void regionDefaults_data() {
        QTest::addColumn<QLocale::Territory>("territory");
        QTest::addColumn<bool>("inches");
        QTest::addColumn<QString>("preset");
        QTest::addColumn<int>("paperIndex");
        QTest::newRow("United States") << QLocale::UnitedStates << true << "na" << 1;
        QTest::newRow("Canada") << QLocale::Canada << true << "na" << 1;
        QTest::newRow("France") << QLocale::France << false << "eu" << 0;
        QTest::newRow("United Kingdom") << QLocale::UnitedKingdom << false << "eu" << 0;
        QTest::newRow("no territory (C)") << QLocale::AnyTerritory << false << "eu" << 0;
    }
    void regionDefaults() {
        QFETCH(QLocale::Territory, territory);
        QFETCH(bool, inches);
        QFETCH(QString, preset);
        QFETCH(int, paperIndex);
        const RegionDefaults region = ::regionDefaults(territory);
        QCOMPARE(region.unit, inches ? LengthUnit::Inches : LengthUnit::Millimetres);
        QVERIFY(region.preset);
        QCOMPARE(QLatin1String(region.preset->key), preset);
        QCOMPARE(region.paperIndex, paperIndex);
    }

    // Shown in inches and accepted untouched, a field keeps its millimetres.
    void inchesKeepUneditedFieldsExactly() {
        ConstructionSettings settings;
        setConstructionSetting(settings, u"panel", u"18");
        ConstructionSettingsDialog dialog(settings, 0, nullptr, LengthUnit::Inches);
        QCOMPARE(dialog.field("panel")->text(), QStringLiteral("23/32\""));
        QCOMPARE(dialog.field("sheet", 1)->text(), QStringLiteral("8' 1/16\""));
        QVERIFY(dialog.settings() == settings);
        // Typed in inches: 23/32 in is 18.3 mm.
        type(dialog.field("panel"), "23/32");
        QCOMPARE(dialog.settings()->panel, 18.3);
        QCOMPARE(dialog.settings()->sheetLong, 2440.0);
        // Back to millimetres, the typed value shows as it was read.
        dialog.unitBox()->setCurrentIndex(0);
        emit dialog.unitBox()->activated(0);
        QCOMPARE(dialog.unit(), LengthUnit::Millimetres);
        QCOMPARE(dialog.field("panel")->text(), QStringLiteral("18.3"));
    }

    void presetFillsTheFields() {
        ConstructionSettingsDialog dialog(ConstructionSettings{}, 0, nullptr, LengthUnit::Inches);
        emit dialog.presetBox()->activated(1);
        QVERIFY(dialog.settings());
        ConstructionSettings northAmerica;
        applyConstructionPreset(northAmerica, *constructionPreset(u"na"));
        QVERIFY(*dialog.settings() == northAmerica);
        QCOMPARE(dialog.field("rib", 0)->text(), QStringLiteral("3 1/2\""));
        QCOMPARE(dialog.field("sheet", 0)->text(), QStringLiteral("4'"));
        QCOMPARE(dialog.field("stock")->text(), QStringLiteral("8' ; 10' ; 12' ; 16'"));
    }

    void defaultsButtonResetsEveryField() {
        ConstructionSettings settings;
        setConstructionSetting(settings, u"surface", u"12,6");
        setConstructionSetting(settings, u"rib", u"140x38");
        setConstructionSetting(settings, u"sheet", u"1250x2500");
        ConstructionSettingsDialog dialog(settings, 3);
        type(dialog.field("panel"), "99");
        QVERIFY(!dialog.okButton()->isEnabled());
        QTest::mouseClick(dialog.defaultsButton(), Qt::LeftButton);
        QVERIFY(dialog.okButton()->isEnabled());
        QVERIFY(dialog.settings() == ConstructionSettings{});
        QCOMPARE(dialog.field("surface")->text(), QStringLiteral("9 + 9"));
        QCOMPARE(dialog.field("panel")->text(), QStringLiteral("18"));
        QCOMPARE(dialog.field("panel")->toolTip(), QString());
        QCOMPARE(dialog.field("rib", 0)->text(), QStringLiteral("89"));
        QCOMPARE(dialog.field("coping")->text(), QStringLiteral("60.3"));
        QCOMPARE(dialog.paperIndex(), 0);
    }

    // OK applies the whole form; Annuler, and a refused form, change nothing.
    void menuDialogAppliesOnOkOnly_data() {
        QTest::addColumn<bool>("ok");
        QTest::newRow("OK") << true;
        QTest::newRow("Annuler") << false;
    }
    void menuDialogAppliesOnOkOnly() {
        QFETCH(bool, ok);
        withModalDialog([&] { qvl->constructionSettingsAction->trigger(); },
                        [&](ConstructionSettingsDialog& dialog) {
                            type(dialog.field("surface"), "6 + 6 + 6");
                            type(dialog.field("back", 1), "400");
                            dialog.paperBox()->setCurrentIndex(1);
                            QPushButton* cancel = nullptr;
                            for (QPushButton* b : dialog.findChildren<QPushButton*>())
                                if (b->text() == QStringLiteral("Annuler")) cancel = b;
                            QVERIFY(cancel);
                            QTest::mouseClick(ok ? dialog.okButton() : cancel, Qt::LeftButton);
                        });
        ConstructionSettings expected;
        if (ok) {
            expected.surface = {6, 6, 6};
            expected.backRight = 400;
        }
        QVERIFY(qvl->constructionSettings() == expected);
        QCOMPARE(qvl->templatePaperIndex(), ok ? 1 : 0);
    }

    void saveAndReopenKeepsTheSettings() {
        withModalDialog([&] { qvl->constructionSettingsAction->trigger(); },
                        [&](ConstructionSettingsDialog& dialog) {
                            type(dialog.field("surface"), "6 + 6 + 6");
                            type(dialog.field("panel"), "19");
                            QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
                        });
        const ConstructionSettings saved = qvl->constructionSettings();
        program->dialogs->answers << path("settings.qvl");
        ErrorRecorder errors;
        qvl->Enregistrersous1->trigger();
        QCOMPARE(readFile(path("settings.qvl")),
                 QByteArray("60 140 70 140 244 70 140 60\r\n"
                            "construction: surface=6,6,6 panel=19\r\n"));

        qvl->setConstructionSettings(ConstructionSettings{});
        program->dialogs->answers << path("settings.qvl");
        qvl->Ouvrir1->trigger();
        QCOMPARE(errors.messages, QStringList());
        QVERIFY(qvl->constructionSettings() == saved);
        withModalDialog([&] { qvl->constructionSettingsAction->trigger(); },
                        [&](ConstructionSettingsDialog& dialog) {
                            QCOMPARE(dialog.field("surface")->text(), QStringLiteral("6 + 6 + 6"));
                            QCOMPARE(dialog.field("panel")->text(), QStringLiteral("19"));
                        });
    }

    void defaultSettingsSaveTheOldFile() {
        program->dialogs->answers << path("plain.qvl");
        qvl->Enregistrersous1->trigger();
        QCOMPARE(readFile(path("plain.qvl")), QByteArray("60 140 70 140 244 70 140 60\r\n"));
    }

    void openingAFileWithoutSettingsRestoresTheDefaults() {
        ConstructionSettings changed;
        changed.kerf = 6;
        qvl->setConstructionSettings(changed);
        writeFile(path("old.qvl"), "50 150 80 200 300 80 150 50\r\n");
        program->dialogs->answers << path("old.qvl");
        qvl->Ouvrir1->trigger();
        QVERIFY(qvl->constructionSettings() == ConstructionSettings{});
        QCOMPARE(qvl->dimensions(), (RampDimensions{50, 150, 80, 200, 300, 150, 80, 50}));
    }

    void badConstructionLineChangesNothing_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("message");
        QTest::newRow("out of range") << QByteArray("construction: panel=50\r\n")
                                      << "Réglage de construction incorrect : panel=50 (9 à 40)";
        QTest::newRow("unknown key")
            << QByteArray("construction: colour=red\r\n")
            << "Réglage de construction incorrect : colour=red (réglage inconnu)";
    }
    void badConstructionLineChangesNothing() {
        QFETCH(QByteArray, line);
        QFETCH(QString, message);
        ConstructionSettings changed;
        changed.kerf = 6;
        qvl->setConstructionSettings(changed);
        const RampDimensions before = qvl->dimensions();
        writeFile(path("bad.qvl"), "50 150 80 200 300 80 150 50\r\n" + line);
        program->dialogs->answers << path("bad.qvl");
        ErrorRecorder errors;
        qvl->Ouvrir1->trigger();
        QCOMPARE(errors.messages, QStringList{message});
        QCOMPARE(qvl->dimensions(), before);
        QVERIFY(qvl->constructionSettings() == changed);
    }
};

QTEST_MAIN(TestSettingsDialog)
#include "test_settingsdialog.moc"
