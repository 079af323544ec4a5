#pragma once

#include <QByteArray>
#include <QString>

#include <sys/types.h>

// Saving over an existing file usually writes a new file beside it and renames
// it over the old one, so that a failed save leaves the old file whole. Some
// files must be rewritten in place instead; these are the pieces the design,
// picture and output saves share.

// Writes all of bytes to fd, retrying short and interrupted writes; returns 0
// or the errno of the failure.
int writeAll(int fd, const QByteArray& bytes);

// Whether a save to path must rewrite the existing file in place: it is a
// regular file (a link is followed) and either its folder takes no new file
// or other hard links share it, which a rename would split from it.
bool mustRewriteInPlace(const QString& path);

// How rewriteInPlace ended.
struct InPlaceRewrite {
    enum Outcome {
        Written,
        // The file could not be opened or its old content read: it is as it was.
        NotOpened,
        // Writing the new content failed; the old content was written back.
        NotWritten,
    };
    Outcome outcome = Written;
    // The errno of the failure, 0 when written.
    int errnoValue = 0;
};

// Rewrites the file at path with bytes, built in memory beforehand: its old
// content is read first, then the file is truncated, written and flushed to
// the disk. Should that fail, the old content is written back.
InPlaceRewrite rewriteInPlace(const QString& path, const QByteArray& bytes);

// Gives fd, a new file about to replace another, that file's owner and group
// where the process may: root keeps both, another user at least a group it
// belongs to. The mode is the caller's business.
void keepOwnerAndGroup(int fd, uid_t owner, gid_t group);
