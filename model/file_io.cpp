// Whole-file reading and atomic writing of the documents' files.
#include "model/text_format.h"

#include <QFile>
#include <QSaveFile>
#include <QString>

namespace velmora {

namespace {

// Larger files are no TYP source; refusing them keeps a wrong choice of file from exhausting memory.
constexpr qint64 MaxFileSize = qint64{1} << 30;

QString FileName(const std::string& path) {
    return QString::fromStdString(path);
}

FileError Failure(std::string_view what, const std::string& path, const QString& reason) {
    std::string message = std::string(what) + " \"" + path + "\".";
    if (!reason.isEmpty()) message += " " + reason.toStdString();
    return FileError(message);
}

} // namespace

std::string ReadWholeFile(const std::string& path) {
    QFile file(FileName(path));
    if (!file.open(QIODevice::ReadOnly)) throw Failure("Cannot open file", path, file.errorString());
    if (file.size() > MaxFileSize)
        throw Failure("Cannot read file", path, QStringLiteral("The file is too large."));
    std::string bytes;
    bytes.resize(static_cast<size_t>(file.size()));
    qint64 total = 0;
    // A file can change size while it is read (or report none, as devices do): read to its end.
    for (;;) {
        if (static_cast<size_t>(total) == bytes.size()) {
            if (bytes.size() >= static_cast<size_t>(MaxFileSize))
                throw Failure("Cannot read file", path, QStringLiteral("The file is too large."));
            bytes.resize(bytes.size() + 65536);
        }
        const qint64 n = file.read(bytes.data() + total, static_cast<qint64>(bytes.size()) - total);
        if (n < 0) throw Failure("Cannot read file", path, file.errorString());
        if (n == 0) break;
        total += n;
    }
    bytes.resize(static_cast<size_t>(total));
    return bytes;
}

void WriteFileAtomically(const std::string& path, std::string_view bytes) {
    QSaveFile file(FileName(path));
    // Unbuffered, so that a short write (a full disk, a file-size limit) shows here as a short
    // count: through the buffer, the flush at commit can lose the rest and still report success.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw Failure("Cannot create file", path, file.errorString());
    if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size())) {
        const QString reason = file.errorString();
        file.cancelWriting();
        throw Failure("Cannot write file", path, reason);
    }
    if (!file.commit()) throw Failure("Cannot write file", path, file.errorString());
}

} // namespace velmora
