#pragma once
// Whole files in and out, the one way every reader and writer of the program takes (no widgets).
//
// Reading opens only a regular file (after links) and reads it to its end, bounded by what the
// reads actually give, never by the size the file system reports: a named pipe never blocks the
// program, a device such as /dev/zero is never read to the end of memory, and a file beyond the
// reader's limit fails as soon as one byte more than the limit has arrived.
// Writing puts the bytes in a temporary file of our own beside the old one, checks that every byte
// reached the disk, and only then lets it take the old file's place: a write that cannot complete
// (a full disk, a quota, a file-size limit) leaves the old file as it was.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace platform {

enum class FileReadStatus {
    Ok,
    Missing, // no entry of that name
    Special, // a named pipe, socket or device: nothing a reader can take as a file
    Failed,  // a folder, or a file that could not be opened or read, or one above maxBytes
};

struct FileRead {
    FileReadStatus status = FileReadStatus::Missing;
    QByteArray bytes; // filled for Ok
    bool ok() const { return status == FileReadStatus::Ok; }
};

// The most a text file of ours (bank files, progress files, the set table, ver.txt, the settings
// file) may hold: far above any real one.
inline constexpr qint64 MaxTextFileBytes = 16 * 1024 * 1024;

// The bytes of a regular file, to its end; a file holding more than maxBytes fails, and at most
// maxBytes + 1 bytes of it are read to find that out.
FileRead readRegularFile(const QString& path, qint64 maxBytes = MaxTextFileBytes);

enum class FileSaveStatus {
    Ok,
    NoSpace, // the disk, the user's quota or the file-size limit is full: the old file is kept
    Failed,  // any other failure: the old file is kept
};

// Replaces the file at `path` with `bytes`, whole: written to a temporary file in the same folder,
// flushed and synced to the disk, then renamed over the old file, and the folder synced. A link
// is followed, through a chain of links too, when it ends at a regular file (rewritten in its own
// folder) or at no file (created there); a name that is, or a link that ends at, anything else (a
// named pipe, a socket, a device, a folder, a loop of links) is left alone and the save fails. An
// existing file keeps its permissions; one that may not be written is not replaced. Temporary files
// of an earlier save of the same file that was cut short (see isSaveLeftover) are removed first;
// nothing else is.
FileSaveStatus saveFileWhole(const QString& path, QByteArrayView bytes);

// A write beyond the process's file-size limit fails with EFBIG, as one on a full disk fails,
// instead of ending the program: each program calls this once as it starts.
void writesFailAtFileSizeLimit();

// Whether `name` is one of the temporary names a save of `fileName` uses: the file's name,
// ".brannock-save-" and six letters or digits.
bool isSaveLeftover(const QString& name, const QString& fileName);

} // namespace platform
