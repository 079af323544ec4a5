#pragma once

#include "tracer.h"

#include <memory>
#include <QImage>
#include <QSize>
#include <QString>

class QLineEdit;
class QWidget;
class TChart;
class TLabel;
class TPanel;

// The main window's chart area on its own: the panel `graph` with the chart,
// the title, the watermark and the hidden data panel, built with the main
// window's geometry, fonts and colours, and nothing else of the window. What
// the exported picture shows, for drawing it without the program's windows
// (a test compares both pictures byte for byte). Needs a QApplication.
// The size of the panel `graph` and of its chart.
inline constexpr QSize chartAreaSize(900, 465);

class ChartArea {
public:
    ChartArea();
    ~ChartArea();
    ChartArea(const ChartArea&) = delete;
    ChartArea& operator=(const ChartArea&) = delete;

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
    std::unique_ptr<QWidget> m_root; // the main window's font and colours
    TPanel* m_panel;
    TChart* m_chart;
    QLineEdit* m_title;
    TLabel* m_titleMeasure; // sizes the title field, as the hidden Label40 does
    TPanel* m_dataPanel;
};
