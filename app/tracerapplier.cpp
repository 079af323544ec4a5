#include "tracerapplier.h"

#include "quarvelerror.h"
#include "tchart.h"
#include "tlabel.h"
#include "tnumlabel.h"
#include "tsecondarywindow.h"

namespace {
// A name the computation uses but no control carries: a fault of the program,
// reported like any failure rather than crashing.
[[noreturn]] void missing(const QString& what) {
    throw QuarvelError(QStringLiteral("Contrôle introuvable : %1").arg(what));
}

template <class T> T* childNamed(QWidget* parent, const QString& name) {
    T* child = parent ? parent->findChild<T*>(name) : nullptr;
    if (!child) missing(name);
    return child;
}

template <class... F> struct Overloaded : F... { using F::operator()...; };
template <class... F> Overloaded(F...) -> Overloaded<F...>;
} // namespace

void TracerApplier::addWindow(TSecondaryWindow* window) {
    m_windows.insert(window->objectName(), window);
}

TSecondaryWindow* TracerApplier::window(const QString& name) const {
    TSecondaryWindow* w = m_windows.value(name);
    if (!w) missing(name);
    return w;
}

TChartAxis* TracerApplier::axis(TracerAxis which) const {
    if (!m_chart) missing(QStringLiteral("profil"));
    return which == TracerAxis::Bottom ? m_chart->BottomAxis() : m_chart->LeftAxis();
}

void TracerApplier::apply(const TracerRun& run) const {
    for (const TracerEffect& effect : run.effects)
        applyEffect(effect);
    if (!run.completed()) throw QuarvelError(run.error);
}

void TracerApplier::applyEffect(const TracerEffect& effect) const {
    std::visit(Overloaded{
                   [&](const NoticeText& e) {
                       TSecondaryWindow* w = window(e.window);
                       childNamed<TLabel>(w, e.label)->SetCaption(e.text);
                       w->showNonModal();
                   },
                   [&](const NoticeValue& e) {
                       TSecondaryWindow* w = window(e.window);
                       childNamed<TNumLabel>(w, e.field)->SetValue(e.value);
                       w->showNonModal();
                   },
                   [&](const FieldValue& e) {
                       childNamed<TNumLabel>(m_fieldsRoot, e.field)->SetValue(e.value);
                   },
                   [&](const ClearSeries&) {
                       if (!m_chart) missing(QStringLiteral("profil"));
                       m_chart->Series(0)->ClearValues();
                   },
                   [&](const AxisAutomatic& e) { axis(e.axis)->SetAutomatic(e.automatic); },
                   [&](const AxisMaximum& e) { axis(e.axis)->SetMaximum(e.value); },
                   [&](const AxisMinimum& e) { axis(e.axis)->SetMinimum(e.value); },
                   [&](const AddPoints& e) {
                       if (!m_chart) missing(QStringLiteral("profil"));
                       TChartSeries* series = m_chart->Series(0);
                       for (const ProfilePoint& p : e.points)
                           series->AddPoint(p.x, p.y, QString(), clBlack);
                   },
               },
               effect);
}
