#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

// A file system of a few KiB (tmpfs) mounted on a temporary folder, to see
// what a full disk does to a save. Only root may mount one, and a container
// may forbid it even then: reason() says why there is none.
class SmallDisk {
public:
    explicit SmallDisk(int kib = 64) {
        if (!m_dir.isValid()) {
            m_reason = QStringLiteral("no temporary folder");
            return;
        }
        const QByteArray options = "size=" + QByteArray::number(kib) + 'k';
        if (::mount("tmpfs", QFile::encodeName(m_dir.path()).constData(), "tmpfs",
                    MS_NOSUID | MS_NODEV, options.constData()) != 0) {
            m_reason = QStringLiteral("cannot mount a small tmpfs here: ") +
                       QString::fromLocal8Bit(std::strerror(errno));
            return;
        }
        m_mounted = true;
    }
    ~SmallDisk() {
        if (m_mounted) ::umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool mounted() const { return m_mounted; }
    QString reason() const { return m_reason; }
    QString path() const { return m_dir.path(); }
    QString filePath(const QString& name) const { return m_dir.filePath(name); }

    // Takes every byte left with a file named "filler"; true when the disk
    // is then full.
    bool fill() const {
        const int fd = ::open(QFile::encodeName(filePath(QStringLiteral("filler"))).constData(),
                              O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
        if (fd < 0) return false;
        const QByteArray block(512, 'f');
        ssize_t n;
        while ((n = ::write(fd, block.constData(), size_t(block.size()))) > 0) {
        }
        const bool full = n < 0 && errno == ENOSPC;
        // The last bytes of a page a smaller write may still take.
        while (::write(fd, "f", 1) == 1) {
        }
        ::close(fd);
        return full;
    }

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
    QString m_reason;
};
