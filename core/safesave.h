#pragma once

#include "filekinds.h"

#include <QByteArrayView>
#include <QString>

#include <exception>
#include <functional>

// The one way every file of the program is saved: designs, pictures, templates,
// cut files and cut lists.
//
// A regular file is written under a new name beside the old one (Qt's
// QSaveFile), every write, the flush to the disk and the rename checked; only
// then does it replace the old file, which keeps its mode, and its owner and
// group where the process may give them. The folder is then flushed too, so
// that the rename itself survives a power cut.
//
// A rename cannot serve where the folder takes no new file, where other hard
// links share the file (a rename would split them), or where the process could
// not give the new file the old one's owner and group. The file is then
// rewritten in place; should that fail, its old content is written back. A
// reader looking at that moment can see it partly written.
//
// A pipe or device is written to in place (FileKinds::Any) or refused.

// Takes the next piece of the content; a failed write throws SaveFailure.
using OutputSink = std::function<void(QByteArrayView piece)>;
// Hands the whole content, in order, to the sink it is given.
using OutputProducer = std::function<void(const OutputSink& sink)>;

// Why a save failed. Nothing was replaced: a file that was there is as it
// was, and no new file is left behind.
class SaveFailure : public std::exception {
public:
    enum Stage {
        NotRegular, // a pipe, device or the like, and FileKinds::RegularOnly
        Create,     // the file could not be created or opened for writing
        Write,      // its content could not be written whole
    };
    SaveFailure(Stage stage, int errnoValue)
        : m_stage(stage)
        , m_errno(errnoValue) {}
    Stage stage() const noexcept { return m_stage; }
    // The system's error number; 0 for NotRegular.
    int errnoValue() const noexcept { return m_errno; }
    const char* what() const noexcept override { return "save failed"; }

private:
    Stage m_stage;
    int m_errno;
};

// Saves the content produce hands over at path (a link is followed). In the
// usual case the pieces go straight to the new file, never whole in memory;
// for a rewrite in place they are gathered first, since a failed rewrite must
// be able to write the old content back. Throws SaveFailure; anything produce
// throws leaves everything as it was and is passed on.
void saveFile(const QString& path, const OutputProducer& produce, FileKinds kinds);
