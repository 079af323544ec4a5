#pragma once

#include "constructionplan.h"
#include "lengthunits.h"
#include "templatepanel.h"

#include <array>
#include <QLineF>
#include <QPainterPath>
#include <QTransform>
#include <vector>

class QPainter;

// A rib as a template draws it: its section under the surface, the station
// line from the frame curve into the panel (never beyond its outline), and
// its number on the riding side, past the surface along the station's
// normal, clear of every line; a rib under a seam of the surface says so.
struct TemplateRib {
    std::array<QPointF, 4> section;
    QLineF line;
    QPointF labelAt; // the label's centre
    QString label;   // "3", "4 (sous un joint)"
};
// The rib labels' size (mm): the font's, whose digits stand 3.6 mm tall.
inline constexpr double ribLabelSize = 5;
std::vector<TemplateRib> templateRibs(const CurvePlan& curve, const ConstructionSettings& settings);

// The outline as a painter path in panel coordinates (mm): lines as they
// are, arcs as cubic Bézier pieces of at most 30°.
QPainterPath outlinePath(const Outline& outline);

// The part of the panel plane (mm) that draw() marks at 1:1, the reference
// lines apart (they run on past any page): the outline, the pipe, the lip's
// marker and the words around them.
QRectF drawnArea(const ConstructionPlan& plan, const TemplatePanel& panel);

// Draws one side panel at any scale: the outline with its notch, the ground
// line and the toe's vertical as references, the riding surface, the rib
// stations and sections, the pipe, the lip, the cuts and their splice
// plates, the pivot and the panel's name.
// Geometry goes through a double transform from panel mm to device units and
// is never rounded to whole device units.
class PanelPainter {
public:
    // toDevice maps panel coordinates (mm, v up) to the device; pixelsPerMm
    // is the device's scale, for pens and text; unit, the lengths' in the words.
    PanelPainter(QPainter& painter, const ConstructionPlan& plan, const TemplatePanel& panel,
                 const QTransform& toDevice, double pixelsPerMm,
                 LengthUnit unit = LengthUnit::Millimetres);

    // Everything; onPaper lists the parts of the panel plane that are printed
    // somewhere, so that the pivot is a cross where it is on paper and an
    // arrow with its height above the toe otherwise.
    void draw(const std::vector<QRectF>& onPaper);

private:
    void drawReferences();
    void drawRibs();
    void drawPipe();
    void drawPivot(const std::vector<QRectF>& onPaper);
    void drawName();
    void drawSplits();
    void drawSplicePlates();
    // Text centred on a panel point, moved by (dx, dy) mm on the page.
    void text(QPointF at, const QString& words, double heightMm, double dx = 0, double dy = 0,
              bool bold = false);
    void stroke(const QPainterPath& panelPath, double widthMm, const QColor& colour,
                Qt::PenStyle style = Qt::SolidLine);
    QPointF device(QPointF p) const;

    QPainter& m_painter;
    const ConstructionPlan& m_plan;
    const TemplatePanel& m_panel;
    const CurvePlan& m_curve;
    QTransform m_toDevice;
    double m_scale;
    LengthUnit m_unit;
};
