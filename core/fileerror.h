#pragma once

#include "quarvelerror.h"

#include <QString>

// An input/output failure on a design file. code() is the error number the
// message is built from: 2, 3, 4, 5 and 106 have their own texts; the
// system's common failures of a write are said in words (see
// wordsForErrno); any other number n shows as "Erreur E/S n".
class FileError : public QuarvelError {
public:
    static constexpr int fileNotFound = 2;
    static constexpr int pathNotFound = 3;
    static constexpr int tooManyOpenFiles = 4;
    static constexpr int accessDenied = 5;
    static constexpr int invalidNumber = 106;

    // The error with the text of its number.
    explicit FileError(int code)
        : FileError(code, messageForCode(code)) {}

    int code() const noexcept { return m_code; }

    static QString messageForCode(int code);

    // The error for a failed system call on path, from its errno value.
    //   ENOENT                   2 when the folder exists, else 3
    //   ENOTDIR, ENAMETOOLONG,
    //   ELOOP                    3  (the path itself is unusable)
    //   EMFILE, ENFILE           4
    //   EACCES, EPERM, EISDIR    5  (what the user may not do to that path)
    //   anything else            the errno value itself, with the words of
    //                            wordsForErrno or else "Erreur E/S n"
    // The last case keeps the errno even where it equals one of the numbers
    // above (EIO is 5 on Linux).
    static FileError fromErrno(int errnoValue, const QString& path);

    // The words for a full disk, a full quota, a read-only file system and
    // an input/output error; empty for any other errno value.
    static QString wordsForErrno(int errnoValue);

private:
    FileError(int code, QString message)
        : QuarvelError(std::move(message))
        , m_code(code) {}

    int m_code;
};

// A pipe, device or the like where the window reads or saves a file.
QuarvelError notRegularFileError(const QString& path);
