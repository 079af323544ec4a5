#pragma once

#include "safesave.h"

#include <QIODevice>

#include <exception>

// A write-only device that hands each write to a sink, for writers that take
// a QIODevice (Qt's PDF writer). What the sink throws never goes through the
// writer's code: the first failure is kept, later writes fail at once, and
// rethrowFailure() throws it again once the writer is done.
class SinkDevice : public QIODevice {
public:
    explicit SinkDevice(const OutputSink& sink);
    void rethrowFailure() const;

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 size) override;

private:
    const OutputSink& m_sink;
    std::exception_ptr m_failure;
};
