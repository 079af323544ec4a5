#pragma once

#include "tcolor.h"

#include <QString>

class ChartRepaintRequester;

// A chart font as settings; "Arial", 8 points, black unless changed.
class TZelFont {
public:
    TZelFont() = default;

    const QString& Name() const { return m_name; }
    void SetName(const QString& name);
    int Size() const { return m_size; }
    void SetSize(int points);
    TColor Color() const { return m_color; }
    void SetColor(TColor colour);
    bool Bold() const { return m_bold; }
    void SetBold(bool bold);
    bool Italic() const { return m_italic; }
    void SetItalic(bool italic);

    void setRepaintRequester(ChartRepaintRequester* requester) { m_requester = requester; }

private:
    void changed() const;

    QString m_name = QStringLiteral("Arial");
    int m_size = 8;
    TColor m_color = clBlack;
    bool m_bold = false;
    bool m_italic = false;
    ChartRepaintRequester* m_requester = nullptr;
};
