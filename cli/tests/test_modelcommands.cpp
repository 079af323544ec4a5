#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// quarvel-cli model and picture as a script runs them: what they write,
// their options and exit statuses. The files' content is the model
// library's own tests' business.

namespace {

struct Run {
    int status = -1;
    QByteArray err;
};

Run runCli(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral(QUARVEL_CLI_PATH), args);
    p.closeWriteChannel();
    if (!p.waitForFinished(60000)) return {};
    return {p.exitCode(), p.readAllStandardError()};
}

int pixelsWhere(const QImage& image, auto&& wanted) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += wanted(image.pixel(x, y)) ? 1 : 0;
    return count;
}

} // namespace

class TestModelCommands : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void modelFiles();
    void pictures();
    void failures_data();
    void failures();

private:
    QString path(const QString& name) const { return m_dir.filePath(name); }
    QTemporaryDir m_dir;
};

void TestModelCommands::initTestCase() {
    QVERIFY(m_dir.isValid());
    const std::pair<const char*, QByteArray> designs[] = {
        {"default.qvl", "60 140 70 140 244 70 140 60\r\n"},
        // 3 cm high: too low for the default pipe.
        {"low.qvl", "60 140 3 140 244 70 140 60\r\n"}};
    for (const auto& [name, bytes] : designs) {
        QFile f(path(QLatin1String(name)));
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
    }
}

void TestModelCommands::modelFiles() {
    const QString design = path(QStringLiteral("default.qvl"));
    QCOMPARE(runCli({QStringLiteral("model"), design, path(QStringLiteral("ramp.glb"))}).status, 0);
    QFile glb(path(QStringLiteral("ramp.glb")));
    QVERIFY(glb.open(QIODevice::ReadOnly));
    QVERIFY(glb.read(4) == "glTF");

    // Settings options apply: without coping, no steel.
    QCOMPARE(runCli({QStringLiteral("model"), QStringLiteral("--coping"), QStringLiteral("0"),
                     design, path(QStringLiteral("bare.obj"))})
                 .status,
             0);
    QFile obj(path(QStringLiteral("bare.obj")));
    QVERIFY(obj.open(QIODevice::ReadOnly));
    const QByteArray text = obj.readAll();
    QVERIFY(text.startsWith("mtllib bare.mtl\n"));
    QVERIFY(text.contains("\ng Flanc courbes gauche et droite 1\n"));
    QVERIFY(!text.contains("usemtl steel"));
    QVERIFY(QFileInfo::exists(path(QStringLiteral("bare.mtl"))));
}

void TestModelCommands::pictures() {
    const QString design = path(QStringLiteral("default.qvl"));
    const auto picture = [&](const QString& name, QStringList options) {
        options << design << path(name);
        options.prepend(QStringLiteral("picture"));
        const Run run = runCli(options);
        return run.status == 0 ? QImage(path(name)) : QImage();
    };
    const QImage whole =
        picture(QStringLiteral("whole.png"), {QStringLiteral("--size"), QStringLiteral("600x400")});
    QCOMPARE(whole.size(), QSize(600, 400));
    // Seen from straight above, whichever way it is asked for.
    const QImage top = picture(QStringLiteral("top.png"), {QStringLiteral("--view=top")});
    QCOMPARE(top.size(), QSize(1200, 800));
    QCOMPARE(
        picture(QStringLiteral("above.png"), {QStringLiteral("--angle"), QStringLiteral("0,90")}),
        top);
    QVERIFY(top != picture(QStringLiteral("iso.png"), {}));
    // The first step: the panels alone, all highlighted; fewer pixels drawn.
    const QImage panels =
        picture(QStringLiteral("panels.png"), {QStringLiteral("--size"), QStringLiteral("600x400"),
                                               QStringLiteral("--upto"), QStringLiteral("1")});
    const auto drawn = [](QRgb c) { return c != qRgb(255, 255, 255); };
    const int wholeCount = pixelsWhere(whole, drawn), panelCount = pixelsWhere(panels, drawn);
    QVERIFY(panelCount > 0 && panelCount < wholeCount);
}

void TestModelCommands::failures_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");
    const QString design = path(QStringLiteral("default.qvl"));
    const QString png = path(QStringLiteral("never.png"));
    const auto picture = [&](const QStringList& options) {
        return QStringList{QStringLiteral("picture")} + options + QStringList{design, png};
    };
    QTest::newRow("view") << picture({"--view", "diagonal"}) << 2
                          << "Option incorrecte : --view diagonal";
    QTest::newRow("angle") << picture({"--angle", "30"}) << 2 << "Option incorrecte : --angle 30";
    QTest::newRow("pitch") << picture({"--angle", "30,95"}) << 2
                           << "Option incorrecte : --angle 30,95";
    QTest::newRow("view and angle") << picture({"--view", "top", "--angle", "0,90"}) << 2
                                    << "Option incorrecte : --view et --angle";
    QTest::newRow("size") << picture({"--size", "10x400"}) << 2 << "Option incorrecte : --size";
    QTest::newRow("step") << picture({"--upto", "8"}) << 2 << "Option incorrecte : --upto 8";
    QTest::newRow("setting") << picture({"--panel", "50"}) << 2 << "Option incorrecte : --panel";
    QTest::newRow("picture extension")
        << QStringList{"picture", design, path(QStringLiteral("never.jpg"))} << 2
        << "OUT must end in .png";
    QTest::newRow("model extension")
        << QStringList{"model", design, path(QStringLiteral("never.stl"))} << 2
        << "OUT must end in .glb or .obj";
    QTest::newRow("refused design")
        << QStringList{"model", path(QStringLiteral("low.qvl")), path(QStringLiteral("never.glb"))}
        << 1 << "Réglage de construction incorrect : coping=60.3";
}

void TestModelCommands::failures() {
    QFETCH(QStringList, args);
    QFETCH(int, status);
    QFETCH(QString, message);
    const Run run = runCli(args);
    QCOMPARE(run.status, status);
    QVERIFY2(QString::fromUtf8(run.err).startsWith(message), run.err.constData());
    QVERIFY(!QFileInfo::exists(args.last()));
}

QTEST_GUILESS_MAIN(TestModelCommands)
#include "test_modelcommands.moc"
