#include "modelview3d.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace {

constexpr int preferredWidth = 640;
constexpr int preferredHeight = 420;
// A wheel notch, in QWheelEvent's eighths of a degree.
constexpr double eighthsPerNotch = 120;

} // namespace

ModelView3D::ModelView3D(QWidget* parent)
    : QWidget(parent) {
    setFocusPolicy(Qt::ClickFocus);
    setToolTip(tr("Glisser pour tourner, molette pour zoomer, double-clic pour revenir"));
}

ModelView3D::~ModelView3D() = default;

void ModelView3D::setModel(std::shared_ptr<const RampModel> model) {
    m_model = std::move(model);
    m_picture.reset();
    m_highlighted.clear();
    redrawWhen(true);
}

void ModelView3D::setHighlighted(std::vector<bool> highlighted) {
    if (highlighted == m_highlighted) return;
    m_highlighted = std::move(highlighted);
    redrawWhen(true);
}

QSize ModelView3D::sizeHint() const {
    return {preferredWidth, preferredHeight};
}

void ModelView3D::redrawWhen(bool changed) {
    if (!changed) return;
    m_stale = true;
    update();
}

void ModelView3D::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!m_model || m_model->parts.empty()) {
        painter.fillRect(rect(), palette().base());
        painter.drawText(rect(), Qt::AlignCenter, tr("Aucun modèle"));
        return;
    }
    if (!m_picture) m_picture = std::make_unique<ModelPicture>(*m_model);
    if (m_stale || m_image.size() != size()) {
        if (m_image.size() != size()) m_image = QImage(size(), QImage::Format_RGB32);
        PictureOptions options;
        options.angles = m_turntable.angles();
        options.zoom = m_turntable.zoom();
        options.highlighted = m_highlighted;
        m_picture->drawInto(m_image, options);
        m_stale = false;
    }
    painter.drawImage(0, 0, m_image);
}

void ModelView3D::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) m_dragFrom = event->position();
}

void ModelView3D::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton)) return;
    const QPointF at = event->position();
    redrawWhen(m_turntable.turnBy(at - m_dragFrom));
    m_dragFrom = at;
}

void ModelView3D::mouseDoubleClickEvent(QMouseEvent*) {
    redrawWhen(m_turntable.reset());
}

void ModelView3D::wheelEvent(QWheelEvent* event) {
    redrawWhen(m_turntable.zoomBy(event->angleDelta().y() / eighthsPerNotch));
    event->accept();
}
