#include "modelbuilder.h"
#include "modelexport.h"
#include "quarvelerror.h"
#include "sampledesigns.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <set>

// The exported files as other programs read them: the Khronos glTF validator
// (Node.js) and assimp, which loads both formats and reports what it found.
class TestModelExport : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void glbPassesTheValidator_data() { addDesignRows(); }
    void glbPassesTheValidator();
    void glbReadByAssimp_data() { addDesignRows(); }
    void glbReadByAssimp();
    void objReadByAssimp_data() { addDesignRows(); }
    void objReadByAssimp();
    void otherExtensionRefused();

private:
    static void addDesignRows();
    static RampModel modelOf(const QString& design);
    QString writeFile(const QString& name, const QByteArray& bytes);

    QTemporaryDir m_dir;
};

namespace {

const char* const validate = R"JS(
const fs = require('fs');
const validator = require(process.argv[2]);
validator.validateBytes(new Uint8Array(fs.readFileSync(process.argv[3])), {maxIssues: 50})
    .then((report) => process.stdout.write(JSON.stringify(report)))
    .catch((error) => { process.stderr.write(String(error) + '\n'); process.exit(1); });
)JS";

QString validatorFolder() {
    return QStringLiteral(QUARVEL_GLTF_VALIDATOR "/node_modules/gltf-validator");
}

// What assimp says of a file, or an empty text when it failed.
QString assimpInfo(const QString& path) {
    QProcess assimp;
    assimp.start(QStringLiteral("assimp"), {QStringLiteral("info"), path});
    if (!assimp.waitForFinished(120000) || assimp.exitCode() != 0) return {};
    return QString::fromUtf8(assimp.readAllStandardOutput());
}

qsizetype assimpCount(const QString& info, const QString& label) {
    const QRegularExpression line(u'^' + label + QStringLiteral(":\\s+(\\d+)$"),
                                  QRegularExpression::MultilineOption);
    const QRegularExpressionMatch m = line.match(info);
    return m.hasMatch() ? m.captured(1).toLongLong() : -1;
}

QVector3D assimpPoint(const QString& info, const QString& label) {
    const QRegularExpression line(label +
                                  QStringLiteral("\\s+\\(([-\\d.]+) ([-\\d.]+) ([-\\d.]+)\\)"));
    const QRegularExpressionMatch m = line.match(info);
    if (!m.hasMatch()) return QVector3D(NAN, NAN, NAN);
    return QVector3D(m.captured(1).toFloat(), m.captured(2).toFloat(), m.captured(3).toFloat());
}

void compareBox(const QString& info, QVector3D lower, QVector3D upper, float tolerance) {
    const QVector3D readLower = assimpPoint(info, QStringLiteral("Minimum point"));
    const QVector3D readUpper = assimpPoint(info, QStringLiteral("Maximum point"));
    for (int axis = 0; axis < 3; ++axis) {
        QVERIFY2(std::abs(readLower[axis] - lower[axis]) <= tolerance,
                 qPrintable(QStringLiteral("axis %1 from %2").arg(axis).arg(readLower[axis])));
        QVERIFY2(std::abs(readUpper[axis] - upper[axis]) <= tolerance,
                 qPrintable(QStringLiteral("axis %1 to %2").arg(axis).arg(readUpper[axis])));
    }
}

// The JSON chunk of a .glb.
QJsonObject glbJson(const QByteArray& glb) {
    if (glb.size() < 20) return {};
    const quint32 length = qFromLittleEndian<quint32>(glb.constData() + 12);
    return QJsonDocument::fromJson(glb.mid(20, length)).object();
}

} // namespace

void TestModelExport::addDesignRows() {
    QTest::addColumn<QString>("design");
    for (const SampleDesign& d : sampleDesigns())
        QTest::newRow(qPrintable(d.name)) << d.name;
}

RampModel TestModelExport::modelOf(const QString& design) {
    for (const SampleDesign& d : sampleDesigns())
        if (d.name == design) return buildRampModel(buildConstructionPlan(d.dims, d.settings));
    return {};
}

QString TestModelExport::writeFile(const QString& name, const QByteArray& bytes) {
    QFile file(m_dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) return {};
    return file.fileName();
}

void TestModelExport::initTestCase() {
    QVERIFY(m_dir.isValid());
    QVERIFY(!writeFile(QStringLiteral("validate.js"), validate).isEmpty());
}

void TestModelExport::glbPassesTheValidator() {
    const QString node = QStandardPaths::findExecutable(QStringLiteral("node"));
    if (node.isEmpty()) QSKIP("Node.js is not installed (Debian package nodejs)");
    if (!QFileInfo::exists(validatorFolder()))
        QSKIP(qPrintable(QStringLiteral("the glTF validator is not installed in %1 (npm install "
                                        "--prefix %2 gltf-validator; scripts/quarvel.sh test "
                                        "does it)")
                             .arg(validatorFolder(), QStringLiteral(QUARVEL_GLTF_VALIDATOR))));
    QFETCH(QString, design);
    const RampModel model = modelOf(design);
    const QString glb = writeFile(QStringLiteral("ramp.glb"), modelGlb(model));
    QProcess run;
    run.start(node, {m_dir.filePath(QStringLiteral("validate.js")), validatorFolder(), glb});
    QVERIFY(run.waitForFinished(120000));
    QVERIFY2(run.exitCode() == 0, run.readAllStandardError().constData());
    const QByteArray output = run.readAllStandardOutput();
    const QJsonObject report = QJsonDocument::fromJson(output).object();
    const QJsonObject issues = report.value(QStringLiteral("issues")).toObject();
    QVERIFY2(issues.contains(QStringLiteral("numErrors")), output.constData());
    const QByteArray messages =
        QJsonDocument(issues.value(QStringLiteral("messages")).toArray()).toJson();
    QVERIFY2(issues.value(QStringLiteral("numErrors")).toInt() == 0, messages.constData());
    QVERIFY2(issues.value(QStringLiteral("numWarnings")).toInt() == 0, messages.constData());
    QCOMPARE(report.value(QStringLiteral("info"))
                 .toObject()
                 .value(QStringLiteral("materialCount"))
                 .toInt(),
             3);
}

void TestModelExport::glbReadByAssimp() {
    if (QStandardPaths::findExecutable(QStringLiteral("assimp")).isEmpty())
        QSKIP("assimp is not installed (Debian package assimp-utils)");
    QFETCH(QString, design);
    const RampModel model = modelOf(design);
    const QByteArray bytes = modelGlb(model);
    const QString info = assimpInfo(writeFile(QStringLiteral("ramp.glb"), bytes));
    QVERIFY(!info.isEmpty());
    QCOMPARE(assimpCount(info, QStringLiteral("Nodes")), qsizetype(model.parts.size()) + 1);
    // Fewer meshes than parts: the identical ones share theirs.
    QVERIFY(assimpCount(info, QStringLiteral("Meshes")) < qsizetype(model.parts.size()));
    // Metres, +Y up: the ramp's (x, y, z) is glTF's (x, -z, y).
    const ModelBounds box = modelBounds(model);
    compareBox(info, QVector3D(box.lower.x(), box.lower.z(), -box.upper.y()) / 1000,
               QVector3D(box.upper.x(), box.upper.z(), -box.lower.y()) / 1000, 0.001f);
    const QJsonArray nodes = glbJson(bytes).value(QStringLiteral("nodes")).toArray();
    QCOMPARE(nodes.size(), qsizetype(model.parts.size()));
    for (qsizetype i = 0; i < nodes.size(); ++i)
        QCOMPARE(nodes[i].toObject().value(QStringLiteral("name")).toString(),
                 model.parts[std::size_t(i)].name);
}

void TestModelExport::objReadByAssimp() {
    if (QStandardPaths::findExecutable(QStringLiteral("assimp")).isEmpty())
        QSKIP("assimp is not installed (Debian package assimp-utils)");
    QFETCH(QString, design);
    const RampModel model = modelOf(design);
    const QString path = m_dir.filePath(QStringLiteral("ramp.obj"));
    writeModelFile(model, path, FileKinds::Any);
    QVERIFY(QFileInfo::exists(m_dir.filePath(QStringLiteral("ramp.mtl"))));
    const QString info = assimpInfo(path);
    QVERIFY(!info.isEmpty());
    QCOMPARE(assimpCount(info, QStringLiteral("Meshes")), qsizetype(model.parts.size()));
    QCOMPARE(assimpCount(info, QStringLiteral("Faces")), placedTriangleCount(model));
    std::set<Material> used;
    for (const ModelPart& part : model.parts)
        used.insert(part.material);
    QCOMPARE(assimpCount(info, QStringLiteral("Materials")), qsizetype(used.size()));
    const ModelBounds box = modelBounds(model);
    compareBox(info, box.lower, box.upper, 1);
    // Its mesh list names every part, in order.
    const qsizetype from = info.indexOf(QStringLiteral("Meshes:  (name)"));
    const qsizetype to = info.indexOf(QStringLiteral("Named Materials"));
    QVERIFY(from >= 0 && to > from);
    const QRegularExpression meshLine(QStringLiteral("^\\s+\\d+ \\((.*)\\): \\["),
                                      QRegularExpression::MultilineOption);
    QStringList names;
    for (const QRegularExpressionMatch& m : meshLine.globalMatch(info.mid(from, to - from)))
        names << m.captured(1);
    QCOMPARE(names.size(), qsizetype(model.parts.size()));
    for (qsizetype i = 0; i < names.size(); ++i)
        QCOMPARE(names[i], model.parts[std::size_t(i)].name);
}

void TestModelExport::otherExtensionRefused() {
    const QString path = m_dir.filePath(QStringLiteral("ramp.stl"));
    QVERIFY_THROWS_EXCEPTION(QuarvelError,
                             writeModelFile(modelOf(QStringLiteral("default")), path, FileKinds::Any));
    QVERIFY(!QFileInfo::exists(path));
}

QTEST_APPLESS_MAIN(TestModelExport)
#include "test_modelexport.moc"
