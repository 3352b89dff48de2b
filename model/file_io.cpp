// Whole-file reading and atomic writing of the documents' files, on the system's file calls.
#include "model/text_format.h"
#include "model/translatable.h"

#include <fcntl.h>
#include <langinfo.h>
#include <locale.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <utility>

namespace velmora {

namespace {

// Larger files are no TYP source; refusing them keeps a wrong choice of file from exhausting memory.
constexpr size_t MaxFileSize = size_t{1} << 30;

const char* const CannotOpen = TranslateNoop("FileError", "Cannot open file \"%1\".");
const char* const CannotRead = TranslateNoop("FileError", "Cannot read file \"%1\".");
const char* const CannotCreate = TranslateNoop("FileError", "Cannot create file \"%1\".");
const char* const CannotWrite = TranslateNoop("FileError", "Cannot write file \"%1\".");
const char* const TooLarge = TranslateNoop("FileError", "The file is too large.");
const char* const IsFolderToOpen = TranslateNoop("FileError", "file to open is a directory");
const char* const IsFolderToWrite = TranslateNoop("FileError", "Filename refers to a directory");

FileError Failure(const char* action, const std::string& path, const char* reason) {
    return FileError(action, path, reason);
}

FileError SystemFailure(const char* action, const std::string& path, int error) {
    return FileError(action, path, SystemErrorText(error, false), error);
}

std::string Message(const std::string& action, const std::string& path, const std::string& reason) {
    std::string message = action;
    if (const size_t at = message.find("%1"); at != std::string::npos) message.replace(at, 2, path);
    if (!reason.empty()) message += " " + reason;
    return message;
}

// Closes the descriptor when the scope ends, unless Release took it.
class Descriptor {
  public:
    explicit Descriptor(int fd) : Fd(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (Fd >= 0) ::close(Fd);
    }
    int Get() const { return Fd; }
    // Closes now and gives the error of the close, 0 when it succeeded.
    int Close() {
        const int fd = Fd;
        Fd = -1;
        return ::close(fd) == 0 ? 0 : errno;
    }

  private:
    int Fd;
};

// Reads up to size bytes; gives the count read (0 at the end) or -1 with errno set.
ssize_t ReadSome(int fd, char* data, size_t size) {
    for (;;) {
        const ssize_t n = ::read(fd, data, size);
        if (n >= 0 || errno != EINTR) return n;
    }
}

// The file a save replaces: the target of a symbolic link, so that the link itself stays.
std::string SaveTarget(const std::string& path) {
    struct stat link {};
    if (::lstat(path.c_str(), &link) != 0 || !S_ISLNK(link.st_mode)) return path;
    char* resolved = ::realpath(path.c_str(), nullptr);
    if (!resolved) return path; // a dangling link is replaced like a missing file
    std::string target(resolved);
    std::free(resolved);
    return target;
}

// A new empty file beside target, created exclusively; gives its descriptor and fills name.
int CreateTemporary(const std::string& target, mode_t mode, std::string& name) {
    static unsigned counter = 0;
    for (int attempt = 0;; ++attempt) {
        name = target + "." + std::to_string(::getpid()) + "-" + std::to_string(++counter) + ".tmp";
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST || attempt == 100) return fd;
    }
}

// Writes all of bytes; a short count is retried, so a full disk or a file-size limit ends in an
// error here. Gives 0 or the error.
int WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return errno;
        if (n == 0) return ENOSPC;
        bytes.remove_prefix(size_t(n));
    }
    return 0;
}

// Makes the rename itself durable; a folder that cannot be synchronised does not fail the save,
// which is complete by then.
void SyncFolderOf(const std::string& file) {
    const size_t slash = file.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : file.substr(0, slash);
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

FileError::FileError(std::string action, std::string path, std::string reason, int systemError)
    : TypError(Message(action, path, reason)), Action(std::move(action)), Path(std::move(path)),
      Reason(std::move(reason)), SystemError(systemError) {}

std::string FileErrorText(const FileError& error, const std::function<std::string(const char*)>& translate,
                          bool inUsersLanguage) {
    const std::string reason = error.SystemError != 0 ? SystemErrorText(error.SystemError, inUsersLanguage)
                                                      : translate(error.Reason.c_str());
    return Message(translate(error.Action.c_str()), error.Path, reason);
}

std::string SystemErrorText(int error, bool inUsersLanguage) {
    // The C library words its errors by the LC_MESSAGES of the locale it is given, in the character
    // set of its LC_CTYPE; "C" is English. The program speaks UTF-8, so a user's locale that is not
    // installed or not UTF-8 (the library would transliterate or use another character set) gives
    // English.
    if (inUsersLanguage) {
        const locale_t users = newlocale(LC_MESSAGES_MASK | LC_CTYPE_MASK, "", locale_t(0));
        if (users != locale_t(0)) {
            const bool utf8 = std::string_view(nl_langinfo_l(CODESET, users)) == "UTF-8";
            std::string text = utf8 ? strerror_l(error, users) : std::string();
            freelocale(users);
            if (utf8) return text;
        }
    }
    const locale_t english = newlocale(LC_MESSAGES_MASK, "C", locale_t(0));
    if (english == locale_t(0)) return std::to_string(error);
    std::string text = strerror_l(error, english);
    freelocale(english);
    return text;
}

std::string ReadWholeFile(const std::string& path) {
    Descriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.Get() < 0) throw SystemFailure(CannotOpen, path, errno);
    struct stat info {};
    if (::fstat(file.Get(), &info) != 0) throw SystemFailure(CannotOpen, path, errno);
    if (S_ISDIR(info.st_mode)) throw Failure(CannotOpen, path, IsFolderToOpen);
    const bool sized = S_ISREG(info.st_mode) && info.st_size > 0;
    if (sized && uintmax_t(info.st_size) > MaxFileSize) throw Failure(CannotRead, path, TooLarge);
    std::string bytes;
    bytes.resize(sized ? size_t(info.st_size) : 0);
    size_t total = 0;
    // A file can change size while it is read (or report none, as devices do): read to its end.
    for (;;) {
        if (total == bytes.size()) {
            if (bytes.size() >= MaxFileSize) throw Failure(CannotRead, path, TooLarge);
            bytes.resize(bytes.size() + 65536);
        }
        const ssize_t n = ReadSome(file.Get(), bytes.data() + total, bytes.size() - total);
        if (n < 0) throw SystemFailure(CannotRead, path, errno);
        if (n == 0) break;
        total += size_t(n);
    }
    bytes.resize(total);
    return bytes;
}

void WriteFileAtomically(const std::string& path, std::string_view bytes) {
    const std::string target = SaveTarget(path);
    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode)) throw Failure(CannotCreate, path, IsFolderToWrite);
    // A replaced file keeps its permissions; a new one gets the usual ones (0666 less the umask).
    const mode_t mode = exists ? mode_t(existing.st_mode & 07777) : mode_t(0666);

    std::string temporary;
    Descriptor file(CreateTemporary(target, mode, temporary));
    if (file.Get() < 0) throw SystemFailure(CannotCreate, path, errno);
    // The umask does not narrow a replaced file's own permissions.
    if (exists) ::fchmod(file.Get(), mode);

    int error = WriteAll(file.Get(), bytes);
    if (error == 0 && ::fsync(file.Get()) != 0) error = errno;
    const int closeError = file.Close();
    if (error == 0) error = closeError;
    if (error == 0 && ::rename(temporary.c_str(), target.c_str()) != 0) error = errno;
    if (error != 0) {
        ::unlink(temporary.c_str());
        throw SystemFailure(CannotWrite, path, error);
    }
    SyncFolderOf(target);
}

} // namespace velmora
