#pragma once

#include "tracer.h"

#include <memory>
#include <QImage>
#include <QPoint>
#include <QSize>
#include <QString>
#include <vector>

class QLineEdit;
class QWidget;
class TChart;
class TLabel;
class TPanel;

// The size of the panel `graph` and of its chart.
inline constexpr QSize chartAreaSize(900, 465);

// The main window's chart area: the panel `graph` with the chart `profil`,
// the title `titre`, the watermark `Label37` and the hidden data panel
// `donnees`, with the layout's geometry, fonts, colours and object names. The
// main window builds its own through this class; the batch tool builds one on
// its own, off screen, for the exported picture. Needs a QApplication.
class ChartArea {
public:
    // On its own: a hidden root carries the main window's font and colours.
    // The data panel is only built once shown, since the picture does not
    // show it otherwise.
    ChartArea();
    // In the main window: the area is built in parent (which owns its
    // widgets) at position, the data panel at once. titleMeasure is the hidden
    // label that sizes the title field.
    ChartArea(QWidget* parent, QPoint position, TLabel* titleMeasure);
    ~ChartArea();
    ChartArea(const ChartArea&) = delete;
    ChartArea& operator=(const ChartArea&) = delete;

    TPanel* panel() const { return m_panel; }
    TChart* chart() const { return m_chart; }
    QLineEdit* title() const { return m_title; }
    TLabel* watermark() const { return m_watermark; }
    // Null while an area of its own has not shown it.
    TPanel* dataPanel() const { return m_dataPanel; }

    // As after ticking "Afficher uniquement le profil" (false) and
    // "Afficher les données" (true).
    void setView3D(bool view3D);
    void setDataShown(bool shown);
    // The title as typed: the field takes the width its text needs.
    void setTitle(const QString& text);

    // The plotting rectangle the chart's next paint lays out, computed
    // without painting.
    QSize plotSize();

    // Applies a Tracer run to the chart and to the data panel's fields. The
    // notices and the fields of the input area are not part of the picture and
    // are left out. Throws as TracerApplier::apply does.
    void applyTracer(const TracerRun& run);

    // The area as the export command captures it: rendered onto white.
    QImage capture() const;

private:
    void build(QWidget* parent, QPoint position);
    void buildDataPanel();

    std::unique_ptr<QWidget> m_root; // an area of its own: the main window's font and colours
    TPanel* m_panel = nullptr;
    TChart* m_chart = nullptr;
    QLineEdit* m_title = nullptr;
    TLabel* m_watermark = nullptr;
    TLabel* m_titleMeasure = nullptr; // as the main window's hidden Label40
    TPanel* m_dataPanel = nullptr;
    // The data fields' values Tracer gave while the panel was not built yet.
    std::vector<TracerEffect> m_pendingFieldValues;
};
