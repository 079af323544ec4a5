#include "constructionplan.h"
#include "modelbuilder.h"
#include "modelview3d.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QWheelEvent>

namespace {

std::shared_ptr<const RampModel> defaultModel() {
    return std::make_shared<const RampModel>(
        buildRampModel(buildConstructionPlan(RampDimensions{}, ConstructionSettings{})));
}

void sendMouse(QWidget& w, QEvent::Type type, QPointF at, Qt::MouseButtons held) {
    QMouseEvent event(type, at, w.mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
    QCoreApplication::sendEvent(&w, &event);
}

// The box around every pixel that is not the background.
QRect drawnBox(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF) box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace

class TestModelView3D : public QObject {
    Q_OBJECT
private slots:
    void turningChangesThePicture();
    void wheelZoomsAndDoubleClickResets();
    void highlightedPartsStandOut();
};

void TestModelView3D::turningChangesThePicture() {
    ModelView3D view;
    view.resize(400, 300);
    view.setModel(defaultModel());
    const QImage before = view.grab().toImage();
    QVERIFY(drawnBox(before).width() > 300); // the model fills the view
    sendMouse(view, QEvent::MouseButtonPress, {200, 150}, Qt::LeftButton);
    sendMouse(view, QEvent::MouseMove, {260, 170}, Qt::LeftButton);
    sendMouse(view, QEvent::MouseButtonRelease, {260, 170}, Qt::NoButton);
    QVERIFY(view.turntable().angles().yaw != viewAngles(ModelView::Isometric).yaw);
    QVERIFY(view.grab().toImage() != before);
    // Moving without a button held turns nothing.
    const ViewAngles angles = view.turntable().angles();
    sendMouse(view, QEvent::MouseMove, {10, 10}, Qt::NoButton);
    QCOMPARE(view.turntable().angles().yaw, angles.yaw);
}

void TestModelView3D::wheelZoomsAndDoubleClickResets() {
    ModelView3D view;
    view.resize(400, 300);
    view.setModel(defaultModel());
    const QRect whole = drawnBox(view.grab().toImage());
    QWheelEvent wheel({200, 150}, view.mapToGlobal(QPointF(200, 150)), {}, {0, 240}, Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(&view, &wheel);
    QVERIFY(view.turntable().zoom() > 1.3);
    // Magnified, the model runs off the view's sides.
    QCOMPARE(drawnBox(view.grab().toImage()).width(), 400);
    sendMouse(view, QEvent::MouseButtonDblClick, {200, 150}, Qt::LeftButton);
    QCOMPARE(view.turntable().zoom(), 1.0);
    QCOMPARE(drawnBox(view.grab().toImage()), whole);
}

void TestModelView3D::highlightedPartsStandOut() {
    ModelView3D view;
    view.resize(400, 300);
    const auto model = defaultModel();
    view.setModel(model);
    const QImage plain = view.grab().toImage();
    view.setHighlighted(partsOfKind(*model, PartKind::Coping));
    const QImage highlighted = view.grab().toImage();
    // The rest fades: more of the picture turns lighter than darker.
    int lighter = 0, darker = 0;
    for (int y = 0; y < plain.height(); ++y)
        for (int x = 0; x < plain.width(); ++x) {
            const int a = qGray(plain.pixel(x, y)), b = qGray(highlighted.pixel(x, y));
            lighter += b > a;
            darker += b < a;
        }
    QVERIFY2(lighter > 10 * std::max(1, darker),
             qPrintable(QStringLiteral("%1 %2").arg(lighter).arg(darker)));
    // A new model starts with nothing highlighted.
    view.setModel(model);
    QCOMPARE(view.grab().toImage(), plain);
}

QTEST_MAIN(TestModelView3D)
#include "test_modelview3d.moc"
