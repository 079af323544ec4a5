#include "repeattimer.h"

#include <QTimer>

namespace {
class QtRepeatTimer final : public RepeatTimer {
public:
    QtRepeatTimer() {
        QObject::connect(&m_timer, &QTimer::timeout, [this] { fireTimeout(); });
    }
    void start(int intervalMs) override { m_timer.start(intervalMs); }
    void setInterval(int intervalMs) override { m_timer.setInterval(intervalMs); }
    void stop() override { m_timer.stop(); }
    bool isActive() const override { return m_timer.isActive(); }
    int interval() const override { return m_timer.interval(); }

private:
    QTimer m_timer;
};

RepeatTimerFactory& installedFactory() {
    static RepeatTimerFactory factory;
    return factory;
}
} // namespace

std::unique_ptr<RepeatTimer> makeRepeatTimer() {
    if (installedFactory()) return installedFactory()();
    return std::make_unique<QtRepeatTimer>();
}

RepeatTimerFactory setRepeatTimerFactory(RepeatTimerFactory factory) {
    return std::exchange(installedFactory(), std::move(factory));
}
