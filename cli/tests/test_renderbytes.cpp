#include <QCryptographicHash>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// The pictures quarvel-cli render writes, pinned by their SHA-256: a change
// to how the picture is built, captured or written must leave every byte as
// it was. The sums were taken with the fonts of the build image (Liberation
// and DejaVu); a machine with other fonts draws other text pixels.

class TestRenderBytes : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir;

private slots:
    void picturesKeepTheirBytes_data() {
        QTest::addColumn<QByteArray>("design");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("sha256");

        const QByteArray standard = "60 140 70 140 244 140 70 60\r\n";
        const QByteArray wall = "60 150 200 140 244 70 140 60\r\n";
        const QByteArray tall = "100 200 120 300 366 180 90 40\r\n";
        const QByteArray refused = "0 0 0 0 0 0 0 0\r\n";
        const QStringList all = {QStringLiteral("--2d"), QStringLiteral("--data"),
                                 QStringLiteral("--title"),
                                 QStringLiteral("Mini-rampe à deux hauteurs, 2026")};
        QTest::newRow("standard, plain")
            << standard << QStringList{} << 0
            << QByteArray("c61dbea7b5ff91bef6df25275cf5647438ee071854a73fcd19e9c21fbca63c25");
        QTest::newRow("standard, 2D")
            << standard << QStringList{QStringLiteral("--2d")} << 0
            << QByteArray("1c7ea1f109d43aea6e63d350f3029a4b50a7b5fd6b33e3e2d19527c286dabb7a");
        QTest::newRow("standard, data")
            << standard << QStringList{QStringLiteral("--data")} << 0
            << QByteArray("08dba3fdebe700ac76c3e91938003cc5c265d98c75c4b961d834e739dd905925");
        QTest::newRow("standard, 2D, data")
            << standard << QStringList{QStringLiteral("--2d"), QStringLiteral("--data")} << 0
            << QByteArray("c474a882eebf8f44069724201d67e8caca8f8d49ba5c71e882942ec55c9b6786");
        QTest::newRow("standard, title")
            << standard << QStringList{QStringLiteral("--title"), QStringLiteral("Rampe du jardin")}
            << 0 << QByteArray("61205639f8765e99f6fb5335154851d305bd23973bdd60ddf477a8cbc3a1cbea");
        QTest::newRow("standard, all")
            << standard << all << 0
            << QByteArray("bef57d08b31115798b5b216966e5a6367255a00227fa79e1c3886b38393bd1f2");
        QTest::newRow("standard, empty title")
            << standard << QStringList{QStringLiteral("--title"), QString()} << 0
            << QByteArray("c0422fc0cb433197989ce26d2973f30de03d3e5169b3791049526d86bdc10f1a");
        QTest::newRow("wall, plain")
            << wall << QStringList{} << 0
            << QByteArray("066a056ff87fd02e1464baac8b1c84c01db434f67ff54c95c108ab0e03363ca0");
        QTest::newRow("wall, 2D")
            << wall << QStringList{QStringLiteral("--2d")} << 0
            << QByteArray("5310aa79af8c3db916ea0f5a58cb28c5c4b0faa6a610b2cf772f491d508462f0");
        QTest::newRow("wall, data")
            << wall << QStringList{QStringLiteral("--data")} << 0
            << QByteArray("d99186f1c259ee64c81a6329e161c64922955948ef4f4f2081ec5ad741b8a285");
        QTest::newRow("wall, 2D, data")
            << wall << QStringList{QStringLiteral("--2d"), QStringLiteral("--data")} << 0
            << QByteArray("ec4d2dc0bcc74747fe6057017a967e819e860439704e859b2af102b4d6e40de4");
        QTest::newRow("wall, title")
            << wall << QStringList{QStringLiteral("--title"), QStringLiteral("Rampe du jardin")}
            << 0 << QByteArray("83d7a5f74588cf33fb9b8e89300f9f24d49c00b64c51a8824ff9507320bd1624");
        QTest::newRow("wall, all")
            << wall << all << 0
            << QByteArray("a9566e1d30c38edbf159f25161744c4537f125ff67a126fa2d0c1794be13790a");
        QTest::newRow("wall, empty title")
            << wall << QStringList{QStringLiteral("--title"), QString()} << 0
            << QByteArray("b30353a94110440cca55b12d842261683dc386ea1763c957f0bccfec0b977af2");
        QTest::newRow("tall, plain")
            << tall << QStringList{} << 0
            << QByteArray("ade955da7d8fdc2dd8dc359475bf68bd23aa98766a77b73e7ae71277df107e34");
        QTest::newRow("tall, data")
            << tall << QStringList{QStringLiteral("--data")} << 0
            << QByteArray("a4c2b5d8a5c29a36f5c419b2e81cae98809f47c17896f01d393cd5911ed400a2");
        QTest::newRow("tall, all")
            << tall << all << 0
            << QByteArray("8112a6440ea54ec0c040c013dfb18a756dfed5ca1c7e6ee14b2b32bcf66220c5");
        QTest::newRow("refused, plain")
            << refused << QStringList{} << 1
            << QByteArray("4fdb64b9f4f2c68e422ba4c0e38c706ad1854ac72dc465ebfc837860056fc8b4");
        QTest::newRow("refused, data")
            << refused << QStringList{QStringLiteral("--data")} << 1
            << QByteArray("7768daeeeda8e2df01a31408c152439f6dfe64fcc7a27610d93eb5bcedd930fe");
        QTest::newRow("refused, all")
            << refused << all << 1
            << QByteArray("5763b7358492f0c7dd297bb46a41cd5288c7b53bb58731889a809ca28cb860a2");
    }

    void picturesKeepTheirBytes() {
        QFETCH(QByteArray, design);
        QFETCH(QStringList, options);
        QFETCH(int, status);
        QFETCH(QByteArray, sha256);

        const QString designPath = dir.filePath(QStringLiteral("design.qvl"));
        const QString picturePath = dir.filePath(QStringLiteral("picture.bmp"));
        {
            QFile f(designPath);
            QVERIFY(f.open(QIODevice::WriteOnly));
            QCOMPARE(f.write(design), design.size());
        }
        QFile::remove(picturePath);
        QProcess cli;
        cli.start(QStringLiteral(QUARVEL_CLI_PATH),
                  QStringList{QStringLiteral("render")} << options << designPath << picturePath);
        QVERIFY(cli.waitForFinished(60000));
        QCOMPARE(cli.exitCode(), status);

        QFile picture(picturePath);
        QVERIFY(picture.open(QIODevice::ReadOnly));
        const QByteArray bytes = picture.readAll();
        // 900 x 465 pixels, 2700 bytes a row, after the 54 bytes of headers.
        QCOMPARE(bytes.size(), qsizetype(54 + 2700 * 465));
        QCOMPARE(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex(), sha256);
    }
};

QTEST_GUILESS_MAIN(TestRenderBytes)
#include "test_renderbytes.moc"
