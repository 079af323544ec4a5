#include "modelcommand.h"

#include "constructionarguments.h"
#include "modelbuilder.h"
#include "modelexport.h"
#include "modelpicture.h"
#include "outputfile.h"

#include <QBuffer>
#include <QCoreApplication>

#include <cmath>

namespace {

constexpr int smallestPicture = 16;
constexpr int largestPicture = 8000;

CommandResult badOption(const QString& message) {
    return CommandResult{2, {}, messageLine(message)};
}

// The picture's options, or the result ending the command.
std::optional<CommandResult> readPictureOptions(const ConstructionArguments& parsed,
                                                PictureOptions& options, int& upto) {
    const auto value = [&](const char* key) { return parsed.values.value(QLatin1String(key)); };
    const auto given = [&](const char* key) { return parsed.values.contains(QLatin1String(key)); };
    if (given("--view") && given("--angle"))
        return badOption(QCoreApplication::translate(
            "ModelCommand", "Option incorrecte : --view et --angle ensemble"));
    if (given("--view")) {
        const auto view = parseModelView(value("--view"));
        if (!view)
            return badOption(
                QCoreApplication::translate(
                    "ModelCommand", "Option incorrecte : --view %1 (iso, front, side ou top)")
                    .arg(value("--view")));
        options.angles = viewAngles(*view);
    }
    if (given("--angle")) {
        const QStringList parts = value("--angle").split(u',');
        bool yawOk = false, pitchOk = false;
        const double yaw = parts.size() == 2 ? parts[0].toDouble(&yawOk) : 0;
        const double pitch = parts.size() == 2 ? parts[1].toDouble(&pitchOk) : 0;
        if (!yawOk || !pitchOk || !std::isfinite(yaw) || !(pitch >= -90 && pitch <= 90))
            return badOption(
                QCoreApplication::translate(
                    "ModelCommand",
                    "Option incorrecte : --angle %1 (lacet,tangage en degrés, tangage de "
                    "-90 à 90)")
                    .arg(value("--angle")));
        options.angles = {yaw, pitch};
    }
    if (given("--size")) {
        const QStringList parts = value("--size").split(u'x');
        bool widthOk = false, heightOk = false;
        const int width = parts.size() == 2 ? parts[0].toInt(&widthOk) : 0;
        const int height = parts.size() == 2 ? parts[1].toInt(&heightOk) : 0;
        const auto inRange = [](int n) { return n >= smallestPicture && n <= largestPicture; };
        if (!widthOk || !heightOk || !inRange(width) || !inRange(height))
            return badOption(
                QCoreApplication::translate(
                    "ModelCommand", "Option incorrecte : --size %1 (LxH, de %2 à %3 pixels)")
                    .arg(value("--size"))
                    .arg(smallestPicture)
                    .arg(largestPicture));
        options.size = QSize(width, height);
    }
    if (given("--upto")) {
        bool ok = false;
        upto = value("--upto").toInt(&ok);
        if (!ok || upto < firstStep || upto > lastStep)
            return badOption(QCoreApplication::translate("ModelCommand",
                                                         "Option incorrecte : --upto %1 (%2 à %3)")
                                 .arg(value("--upto"))
                                 .arg(firstStep)
                                 .arg(lastStep));
    }
    return std::nullopt;
}

// Builds the model of the parsed design and hands it on, or the result
// ending the command.
template <class Use> CommandResult withModel(const ConstructionArguments& parsed, Use&& use) {
    ConstructionPlan plan;
    if (auto failure = buildPlanFor(parsed.design, plan)) return *failure;
    try {
        use(buildRampModel(plan));
    } catch (const QuarvelError& error) {
        return CommandResult{2, {}, messageLine(error.message())};
    }
    return CommandResult{0, {}, {}};
}

} // namespace

QByteArray modelUsage() {
    return "quarvel-cli model [settings options] FILE OUT.glb|OUT.obj\n"
           "    The 3D model of the built ramp: glTF binary (metres, +Y up) or OBJ with\n"
           "    its .mtl beside it (millimetres, z up), one part per piece.\n"
           "    Exit status: 0 written, 1 design or settings refused, 2 usage, file or\n"
           "    write error.\n";
}

CommandResult modelCommand(const QStringList& args) {
    const CommandOptions options{{}, {}, 2, modelUsage()};
    ConstructionArguments parsed;
    if (auto failure = parseConstructionArguments(args, options, parsed)) return *failure;
    const QString& out = parsed.positionals[1];
    if (!out.endsWith(QLatin1String(".glb"), Qt::CaseInsensitive) &&
        !out.endsWith(QLatin1String(".obj"), Qt::CaseInsensitive))
        return CommandResult{
            2, {}, "OUT must end in .glb or .obj: " + out.toUtf8() + "\nusage: " + modelUsage()};
    return withModel(parsed,
                     [&](const RampModel& model) { writeModelFile(model, out, FileKinds::Any); });
}

QByteArray pictureUsage() {
    return "quarvel-cli picture [settings options] [--view iso|front|side|top]\n"
           "            [--angle YAW,PITCH] [--size WxH] [--upto STEP] FILE OUT.png\n"
           "    A picture of the 3D model (isometric, 1200x800 by default); --angle in\n"
           "    degrees (0,0 the profile, PITCH -90 to 90); --upto 1 to 7: the parts of\n"
           "    the assembly steps up to STEP, those of STEP highlighted.\n"
           "    Exit status: 0 written, 1 design or settings refused, 2 usage, file or\n"
           "    write error.\n";
}

CommandResult pictureCommand(const QStringList& args) {
    const CommandOptions options{{},
                                 {QStringLiteral("--view"), QStringLiteral("--angle"),
                                  QStringLiteral("--size"), QStringLiteral("--upto")},
                                 2,
                                 pictureUsage()};
    ConstructionArguments parsed;
    if (auto failure = parseConstructionArguments(args, options, parsed)) return *failure;
    PictureOptions picture;
    int upto = 0;
    if (auto failure = readPictureOptions(parsed, picture, upto)) return *failure;
    const QString& out = parsed.positionals[1];
    if (!out.endsWith(QLatin1String(".png"), Qt::CaseInsensitive))
        return CommandResult{
            2, {}, "OUT must end in .png: " + out.toUtf8() + "\nusage: " + pictureUsage()};
    return withModel(parsed, [&](const RampModel& model) {
        if (upto > 0) {
            picture.shown = partsUpToStep(model, upto);
            picture.highlighted = partsOfStep(model, upto);
        }
        const QImage image = ModelPicture(model).draw(picture);
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!image.save(&buffer, "PNG"))
            throw QuarvelError(
                QCoreApplication::translate("ModelCommand", "L'image n'a pas pu être encodée"));
        writeOutputFile(out, png, FileKinds::Any);
    });
}
