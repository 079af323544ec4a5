#include "designrender.h"

#include "bmpfile.h"
#include "filedialogs.h"
#include "programwindows.h"
#include "quarvelerror.h"
#include "qvlfile.h"
#include "tchart.h"

#include "tpanel.h"

#include <QCheckBox>

namespace {
class NoDialogs : public FileDialogs {
public:
    std::optional<QString> openDesignPath(QWidget*) override { return std::nullopt; }
    std::optional<QString> saveDesignPath(QWidget*) override { return std::nullopt; }
    std::optional<QString> exportImagePath(QWidget*) override { return std::nullopt; }
    std::optional<QString> templatesPath(QWidget*) override { return std::nullopt; }
    std::optional<QString> cutFilePath(QWidget*) override { return std::nullopt; }
    std::optional<QString> cutListPath(QWidget*) override { return std::nullopt; }
};

// Shows the main window off screen and lets the chart lay itself out once, as
// the first paint after start-up does.
std::unique_ptr<ProgramWindows> startUpOffScreen() {
    auto windows = std::make_unique<ProgramWindows>(std::make_unique<NoDialogs>(), true);
    windows->Qvl.show();
    windows->Qvl.captureGraph();
    return windows;
}
} // namespace

DesignPicture renderDesign(const QString& designPath, const DesignRenderOptions& options) {
    // Read first: a file error leaves nothing to draw, as opening changes
    // nothing then.
    const RampDimensions dims = readQvlFile(designPath);
    const auto windows = startUpOffScreen();
    TQvl& qvl = windows->Qvl;
    // The boxes are ticked before the design is opened, and the chart is drawn
    // again, so that Tracer scales the axes for the view that is exported.
    if (!options.view3D) {
        qvl.cb3D->setChecked(true);
        qvl.profil->SetView3D(false);
    }
    if (options.showData) {
        qvl.cbdonnees->setChecked(true);
        qvl.donnees->show();
    }
    if (options.title) qvl.setTitle(*options.title);
    qvl.captureGraph();

    DesignPicture picture;
    qvl.setDimensions(dims);
    try {
        qvl.runTracerCommand();
    } catch (const QuarvelError& error) {
        picture.tracerError = error.message();
    }
    picture.image = qvl.captureGraph();
    return picture;
}

QString renderDesignToBmp(const QString& designPath, const QString& bmpPath,
                          const DesignRenderOptions& options) {
    const DesignPicture picture = renderDesign(designPath, options);
    writeBmpFile(bmpPath, picture.image);
    return picture.tracerError;
}

QSize startupPlotSize() {
    const auto windows = startUpOffScreen();
    return QSize(windows->Qvl.profil->PlotWidth(), windows->Qvl.profil->PlotHeight());
}
