#include "sinkdevice.h"

SinkDevice::SinkDevice(const OutputSink& sink)
    : m_sink(sink) {
    open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

void SinkDevice::rethrowFailure() const {
    if (m_failure) std::rethrow_exception(m_failure);
}

qint64 SinkDevice::readData(char*, qint64) {
    return -1;
}

qint64 SinkDevice::writeData(const char* data, qint64 size) {
    if (m_failure) return -1;
    try {
        m_sink(QByteArrayView(data, size));
    } catch (...) {
        m_failure = std::current_exception();
        return -1;
    }
    return size;
}
