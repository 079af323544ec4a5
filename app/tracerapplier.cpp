#include "tracerapplier.h"

#include "quarvelerror.h"
#include "tchart.h"
#include "tlabel.h"
#include "tnumlabel.h"
#include "tsecondarywindow.h"

#include <QCoreApplication>

namespace {
// A target the computation uses but no control carries: a fault of the
// program, reported like any failure rather than crashing.
[[noreturn]] void missing(QLatin1String name) {
    throw QuarvelError(
        QCoreApplication::translate("TracerApplier", "Contrôle introuvable : %1").arg(name));
}

template <class T> T* childNamed(QWidget* parent, QLatin1String name) {
    return parent ? parent->findChild<T*>(QString(name)) : nullptr;
}

template <class... F> struct Overloaded : F... { using F::operator()...; };
template <class... F> Overloaded(F...) -> Overloaded<F...>;
} // namespace

void TracerApplier::setFieldsRoot(QWidget* root) {
    for (int i = 0; i < tracerFieldCount; ++i)
        m_fields[std::size_t(i)] = childNamed<TNumLabel>(root, tracerName(TracerField(i)));
}

void TracerApplier::addWindow(TSecondaryWindow* window) {
    for (int i = 0; i < tracerNoticeCount; ++i) {
        const TracerNoticeNames names = tracerName(TracerNotice(i));
        if (window->objectName() != names.window) continue;
        m_notices[std::size_t(i)] = {window, childNamed<TLabel>(window, names.control),
                                     childNamed<TNumLabel>(window, names.control)};
    }
}

TNumLabel* TracerApplier::field(TracerField target) const {
    TNumLabel* control = m_fields[std::size_t(target)];
    if (!control) missing(tracerName(target));
    return control;
}

const TracerApplier::NoticeControls& TracerApplier::notice(TracerNotice target) const {
    const NoticeControls& controls = m_notices[std::size_t(target)];
    if (!controls.window) missing(tracerName(target).window);
    return controls;
}

TChart* TracerApplier::chart() const {
    if (!m_chart) missing(QLatin1String("profil"));
    return m_chart;
}

TChartAxis* TracerApplier::axis(TracerAxis which) const {
    return which == TracerAxis::Bottom ? chart()->BottomAxis() : chart()->LeftAxis();
}

void TracerApplier::apply(const TracerRun& run) const {
    for (const TracerEffect& effect : run.effects)
        applyEffect(effect);
    if (!run.completed()) throw QuarvelError(tracerText(run.error));
}

void TracerApplier::applyEffect(const TracerEffect& effect) const {
    std::visit(Overloaded{
                   [&](const NoticeText& e) {
                       const NoticeControls& controls = notice(e.notice);
                       if (!controls.label) missing(tracerName(e.notice).control);
                       controls.label->SetCaption(tracerText(e.text));
                       controls.window->showNonModal();
                   },
                   [&](const NoticeValue& e) {
                       const NoticeControls& controls = notice(e.notice);
                       if (!controls.field) missing(tracerName(e.notice).control);
                       controls.field->SetValue(e.value);
                       controls.window->showNonModal();
                   },
                   [&](const FieldValue& e) { field(e.field)->SetValue(e.value); },
                   [&](const ClearSeries&) { chart()->Series(0)->ClearValues(); },
                   [&](const AxisAutomatic& e) { axis(e.axis)->SetAutomatic(e.automatic); },
                   [&](const AxisMaximum& e) { axis(e.axis)->SetMaximum(e.value); },
                   [&](const AxisMinimum& e) { axis(e.axis)->SetMinimum(e.value); },
                   [&](const AddPoints& e) {
                       TChartSeries* series = chart()->Series(0);
                       for (const ProfilePoint& p : e.points)
                           series->AddPoint(p.x, p.y, QString(), clBlack);
                   },
               },
               effect);
}
