#include "designrender.h"

#include "bmpfile.h"
#include "filedialogs.h"
#include "programwindows.h"
#include "tchart.h"

#include "tpanel.h"

#include <QCheckBox>

namespace {
class NoDialogs : public FileDialogs {
public:
    std::optional<QString> openDesignPath(QWidget*) override { return std::nullopt; }
    std::optional<QString> saveDesignPath(QWidget*) override { return std::nullopt; }
    std::optional<QString> exportImagePath(QWidget*) override { return std::nullopt; }
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

QImage renderDesign(const QString& designPath, const DesignRenderOptions& options) {
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
    qvl.openDesign(designPath);
    return qvl.captureGraph();
}

void renderDesignToBmp(const QString& designPath, const QString& bmpPath,
                       const DesignRenderOptions& options) {
    writeBmpFile(bmpPath, renderDesign(designPath, options));
}

QSize startupPlotSize() {
    const auto windows = startUpOffScreen();
    return QSize(windows->Qvl.profil->PlotWidth(), windows->Qvl.profil->PlotHeight());
}
