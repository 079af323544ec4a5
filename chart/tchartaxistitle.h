#pragma once

#include "tzelfont.h"

#include <QString>

// An axis title. Without a caption it draws nothing and takes no space.
class TChartAxisTitle {
public:
    explicit TChartAxisTitle(int angle = 0)
        : m_angle(angle) {}

    const QString& Caption() const { return m_caption; }
    void SetCaption(const QString& caption) { m_caption = caption; }
    int Angle() const { return m_angle; }
    void SetAngle(int angle) { m_angle = angle; }
    bool Visible() const { return m_visible; }
    void SetVisible(bool visible) { m_visible = visible; }
    TZelFont& Font() { return m_font; }
    const TZelFont& Font() const { return m_font; }

private:
    QString m_caption;
    int m_angle;
    bool m_visible = true;
    TZelFont m_font;
};
