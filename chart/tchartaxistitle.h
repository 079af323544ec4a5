#pragma once

#include "tzelfont.h"

#include <QString>

class ChartRepaintRequester;

// An axis title. Without a caption it draws nothing and takes no space.
class TChartAxisTitle {
public:
    explicit TChartAxisTitle(int angle = 0)
        : m_angle(angle) {}

    const QString& Caption() const { return m_caption; }
    void SetCaption(const QString& caption);
    int Angle() const { return m_angle; }
    void SetAngle(int angle);
    bool Visible() const { return m_visible; }
    void SetVisible(bool visible);
    TZelFont& Font() { return m_font; }
    const TZelFont& Font() const { return m_font; }

    void setRepaintRequester(ChartRepaintRequester* requester);

private:
    void changed() const;

    QString m_caption;
    int m_angle;
    bool m_visible = true;
    TZelFont m_font;
    ChartRepaintRequester* m_requester = nullptr;
};
