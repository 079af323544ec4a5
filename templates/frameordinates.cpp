#include "frameordinates.h"

#include "framecurve.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <numeric>
#include <QCoreApplication>

namespace {
// Two ordinates of nearly the same height are one to a builder.
constexpr double minimumRise = 1;
} // namespace

std::vector<FrameOrdinate> frameOrdinates(const CurvePlan& curve, double step, double heightStep) {
    std::vector<FrameOrdinate> ordinates;
    const QPointF c = curve.pivot;
    const double rf = curve.frameRadius;
    auto heightAt = [&](double d) { return c.y() - std::sqrt(std::max(0.0, rf * rf - d * d)); };
    // The arc's horizontal run from the toe; a hair of slack keeps an
    // ordinate that falls exactly on the top.
    const double run = std::min(rf, c.x() - frameCurve(curve).front().to.x()) + 1e-9;
    for (int i = 0; i * step <= run; ++i)
        ordinates.push_back({std::min(i * step, rf), heightAt(std::min(i * step, rf))});
    // Steeper than 45° (past rf/√2 from the toe): every heightStep of height
    // above the ground too, where it is not already that close to an ordinate.
    const double top = heightAt(std::min(run, rf));
    for (int k = int(std::floor(heightAt(rf / std::numbers::sqrt2) / heightStep)) + 1;
         k * heightStep <= top + 1e-9; ++k) {
        const double h = k * heightStep;
        const double d =
            std::min(rf, std::sqrt(std::max(0.0, rf * rf - (c.y() - h) * (c.y() - h))));
        const bool near =
            std::any_of(ordinates.begin(), ordinates.end(), [&](const FrameOrdinate& o) {
                return std::abs(o.height - h) < minimumRise;
            });
        if (!near) ordinates.push_back({d, h});
    }
    std::sort(ordinates.begin(), ordinates.end(),
              [](const FrameOrdinate& a, const FrameOrdinate& b) { return a.fromToe < b.fromToe; });
    return ordinates;
}

std::vector<MarkedPoint> frameCorners(const CurvePlan& curve) {
    std::vector<MarkedPoint> corners;
    const Outline frame = frameCurve(curve);
    corners.push_back(
        {QCoreApplication::translate("Templates", "Pied de la courbe"), frame.front().from});
    if (curve.wall > 0) {
        corners.push_back(
            {QCoreApplication::translate("Templates", "Tangente verticale (pied du mur)"),
             frame.front().to});
        corners.push_back(
            {QCoreApplication::translate("Templates", "Haut du mur"), frame.back().to});
    } else {
        corners.push_back(
            {QCoreApplication::translate("Templates", "Haut de l'arc"), frame.back().to});
    }
    if (curve.notch) {
        corners.push_back(
            {QCoreApplication::translate("Templates", "Encoche : angle du fond et du mur"),
             {curve.notch->x(), curve.notch->y()}});
        corners.push_back({QCoreApplication::translate("Templates", "Encoche : haut du mur"),
                           {curve.notch->x(), curve.deckFrameTop}});
    }
    return corners;
}

QString inchesText(double mm) {
    const long long sixteenths = std::llround(mm / 25.4 * 16);
    const long long whole = sixteenths / 16;
    long long part = sixteenths % 16;
    long long denominator = 16;
    const long long common = std::gcd(part, denominator);
    if (part != 0) {
        part /= common;
        denominator /= common;
    }
    QString text;
    if (whole != 0 || part == 0) text = QString::number(whole);
    if (part != 0) {
        if (!text.isEmpty()) text += QLatin1Char(' ');
        text += QStringLiteral("%1/%2").arg(part).arg(denominator);
    }
    return text + QLatin1Char('"');
}
