#include "designrender.h"

#include "bmpfile.h"
#include "chartarea.h"
#include "quarvelerror.h"
#include "qvlfile.h"
#include "tchart.h"

DesignPicture renderDesign(const QString& designPath, const DesignRenderOptions& options) {
    // Read first: a file error leaves nothing to draw, as opening changes
    // nothing then.
    return renderDimensions(readQvlFile(designPath, FileKinds::Any), options);
}

DesignPicture renderDimensions(const RampDimensions& dims, const DesignRenderOptions& options) {
    ChartArea area;
    // The view is set before Tracer runs, which scales the axes to the
    // plotting rectangle of the view that is exported.
    area.setView3D(options.view3D);
    area.setDataShown(options.showData);
    if (options.title) area.setTitle(*options.title);
    const QSize plot = area.plotSize();

    DesignPicture picture;
    try {
        area.applyTracer(runTracer(dims, plot.width(), plot.height()));
    } catch (const QuarvelError& error) {
        picture.tracerError = error.message();
    }
    picture.image = area.capture();
    return picture;
}

QString renderDimensionsToBmp(const RampDimensions& dims, const QString& bmpPath,
                              const DesignRenderOptions& options) {
    const DesignPicture picture = renderDimensions(dims, options);
    writeBmpFile(bmpPath, picture.image, FileKinds::Any);
    return picture.tracerError;
}

QString renderDesignToBmp(const QString& designPath, const QString& bmpPath,
                          const DesignRenderOptions& options) {
    return renderDimensionsToBmp(readQvlFile(designPath, FileKinds::Any), bmpPath, options);
}

QSize startupPlotSize() {
    TChart chart;
    chart.resize(chartAreaSize);
    chart.layOut();
    return QSize(chart.PlotWidth(), chart.PlotHeight());
}
