#pragma once

#include "modelpicture.h"
#include "modelturntable.h"
#include "rampmodel.h"

#include <memory>
#include <QImage>
#include <QWidget>
#include <vector>

// The built ramp in 3D, drawn without a GPU: drag with the left button to
// turn it, the wheel to zoom, a double click to go back to the whole model.
// Chosen parts are highlighted, the others drawn paler. The picture is made
// only when the view is painted, so a hidden view costs nothing.
class ModelView3D : public QWidget {
    Q_OBJECT
public:
    explicit ModelView3D(QWidget* parent = nullptr);
    ~ModelView3D() override;

    // Shows this model (the view keeps its angles); none: an empty view.
    void setModel(std::shared_ptr<const RampModel> model);
    const RampModel* model() const { return m_model.get(); }
    // Per part, in the model's order; empty: none highlighted.
    void setHighlighted(std::vector<bool> highlighted);
    const std::vector<bool>& highlighted() const { return m_highlighted; }
    const ModelTurntable& turntable() const { return m_turntable; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void redrawWhen(bool changed);

    std::shared_ptr<const RampModel> m_model;
    std::unique_ptr<ModelPicture> m_picture; // made at the first paint
    std::vector<bool> m_highlighted;
    ModelTurntable m_turntable;
    QImage m_image;
    bool m_stale = true;
    QPointF m_dragFrom;
};
