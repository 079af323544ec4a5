#include "repeattimer.h"

#include <QTimer>

namespace {
class QtRepeatTimer final : public RepeatTimer {
public:
    QtRepeatTimer() {
        // A coarse timer may fire up to 5 % late, which adds up over the
        // repeats: the steps must come every interval on the dot.
        m_timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] { fireTimeout(); });
    }
    void start(int intervalMs) override { m_timer.start(intervalMs); }
    void setInterval(int intervalMs) override { m_timer.setInterval(intervalMs); }
    void stop() override { m_timer.stop(); }
    bool isActive() const override { return m_timer.isActive(); }
    int interval() const override { return m_timer.interval(); }
    Qt::TimerType timerType() const override { return m_timer.timerType(); }

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
