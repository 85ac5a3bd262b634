#include "ui/files/qt_text_files.h"

#include "common/messages.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <cerrno>
#include <cstring>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tallimo::ui {

namespace {

// Text changes between the program's UTF-8 and the system's code page here and
// nowhere else. Reading is lenient: a stray byte becomes a replacement character.
std::string decodeFromDisk(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringConverter::System);
    const QString text = decoder.decode(bytes);
    return text.toUtf8().toStdString();
}

// Writing refuses a character the code page cannot hold rather than lose it.
std::optional<QByteArray> encodeForDisk(std::string_view text)
{
    QStringEncoder encoder(QStringConverter::System);
    QByteArray encoded = encoder.encode(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    if (encoder.hasError()) return std::nullopt;
    return encoded;
}

QString pathOf(const std::string& path) { return QString::fromStdString(path); }

std::string words(const QString& error, std::string_view fallback)
{
    return error.isEmpty() ? std::string(fallback) : error.toStdString();
}

std::string withSystemWords(std::string_view ours, int error)
{
    return std::string(ours) + " (" + std::strerror(error) + ")";
}

#ifdef Q_OS_UNIX

// What bears the name itself, a link not followed; nothing when no entry does.
std::optional<struct stat> entryAt(const std::string& path)
{
    struct stat entry = {};
    if (::lstat(path.c_str(), &entry) != 0) return std::nullopt;
    return entry;
}

// Why a name may not be written over, or nothing when it may. A file the user chose
// is written where its link leads, as before; a file the program keeps is not.
std::optional<std::string_view> refusedTarget(const std::string& path, FileOrigin origin)
{
    std::optional<struct stat> entry = entryAt(path);
    if (!entry) return std::nullopt;
    if (S_ISLNK(entry->st_mode)) {
        if (origin == FileOrigin::KeptByProgram) return MsgFileIsALink();
        struct stat target = {};
        if (::stat(path.c_str(), &target) != 0) return std::nullopt;  // a new file where the link leads
        entry = target;
    }
    if (S_ISDIR(entry->st_mode)) return MsgFileIsAFolder();
    if (!S_ISREG(entry->st_mode)) return MsgNotAnOrdinaryFile();
    return std::nullopt;
}

struct Descriptor {
    explicit Descriptor(int fd) : fd(fd) {}
    ~Descriptor()
    {
        if (fd >= 0) ::close(fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int fd;
};

ReadResult readBytes(const std::string& path, FileOrigin origin, QByteArray& bytes)
{
    // Opened without waiting: a pipe with no writer, or a device that blocks, would
    // hold the program for ever in open() or read().
    int flags = O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY;
    if (origin == FileOrigin::KeptByProgram) flags |= O_NOFOLLOW;
    const Descriptor file(::open(path.c_str(), flags));
    if (file.fd < 0) {
        const int error = errno;
        if (error == ENOENT) return ReadResult::failure(Unread::Missing, MsgFileCannotBeOpened());
        if (error == ELOOP && origin == FileOrigin::KeptByProgram)
            return ReadResult::failure(Unread::NotReadable, MsgFileIsALink());
        return ReadResult::failure(Unread::NotReadable, withSystemWords(MsgFileCannotBeOpened(), error));
    }
    struct stat entry = {};
    if (::fstat(file.fd, &entry) != 0)
        return ReadResult::failure(Unread::NotReadable, withSystemWords(MsgFileCannotBeRead(), errno));
    if (S_ISDIR(entry.st_mode)) return ReadResult::failure(Unread::NotReadable, MsgFileIsAFolder());
    if (!S_ISREG(entry.st_mode)) return ReadResult::failure(Unread::NotReadable, MsgNotAnOrdinaryFileToRead());
    if (static_cast<std::uintmax_t>(entry.st_size) > kLargestTextFileBytes)
        return ReadResult::failure(Unread::TooLarge, MsgFileTooLarge());

    // A file that grows while it is read is cut at one byte past the limit.
    constexpr qsizetype kLimit = static_cast<qsizetype>(kLargestTextFileBytes) + 1;
    bytes.resize(std::min<qsizetype>(static_cast<qsizetype>(entry.st_size) + 1, kLimit));
    qsizetype filled = 0;
    for (;;) {
        if (filled == bytes.size()) {
            if (bytes.size() == kLimit) break;
            bytes.resize(std::min<qsizetype>(bytes.size() * 2, kLimit));
        }
        const ssize_t got = ::read(file.fd, bytes.data() + filled, static_cast<std::size_t>(bytes.size() - filled));
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return ReadResult::failure(Unread::NotReadable, withSystemWords(MsgFileCannotBeRead(), errno));
        if (got == 0) break;
        filled += got;
    }
    bytes.resize(filled);
    if (filled == kLimit) return ReadResult::failure(Unread::TooLarge, MsgFileTooLarge());
    return {std::string(), Unread::NotReadable, ""};
}

#else

std::optional<std::string_view> refusedTarget(const std::string& path, FileOrigin origin)
{
    const QFileInfo target(pathOf(path));
    if (target.isSymLink() && origin == FileOrigin::KeptByProgram) return MsgFileIsALink();
    if (target.isDir()) return MsgFileIsAFolder();
    if (target.exists() && !target.isFile()) return MsgNotAnOrdinaryFile();
    return std::nullopt;
}

ReadResult readBytes(const std::string& path, FileOrigin origin, QByteArray& bytes)
{
    const QFileInfo info(pathOf(path));
    if (info.isSymLink() && origin == FileOrigin::KeptByProgram)
        return ReadResult::failure(Unread::NotReadable, MsgFileIsALink());
    if (!info.exists()) return ReadResult::failure(Unread::Missing, MsgFileCannotBeOpened());
    if (info.isDir()) return ReadResult::failure(Unread::NotReadable, MsgFileIsAFolder());
    if (!info.isFile()) return ReadResult::failure(Unread::NotReadable, MsgNotAnOrdinaryFileToRead());
    if (static_cast<std::uintmax_t>(info.size()) > kLargestTextFileBytes)
        return ReadResult::failure(Unread::TooLarge, MsgFileTooLarge());
    QFile file(pathOf(path));
    if (!file.open(QIODevice::ReadOnly))
        return ReadResult::failure(Unread::NotReadable, words(file.errorString(), MsgFileCannotBeOpened()));
    bytes = file.read(static_cast<qint64>(kLargestTextFileBytes) + 1);
    if (file.error() != QFileDevice::NoError)
        return ReadResult::failure(Unread::NotReadable, words(file.errorString(), MsgFileCannotBeRead()));
    if (static_cast<std::uintmax_t>(bytes.size()) > kLargestTextFileBytes)
        return ReadResult::failure(Unread::TooLarge, MsgFileTooLarge());
    return {std::string(), Unread::NotReadable, ""};
}

#endif

}  // namespace

ReadResult QtTextFiles::read(const std::string& path, FileOrigin origin)
{
    QByteArray bytes;
    ReadResult result = readBytes(path, origin, bytes);
    if (result.text) result.text = decodeFromDisk(bytes);
    return result;
}

WriteResult QtTextFiles::write(const std::string& path, std::string_view text, FileOrigin origin)
{
    const std::optional<QByteArray> bytes = encodeForDisk(text);
    if (!bytes) return WriteResult::failure(MsgCodePageCannotStore());

    // The new file is renamed over the target: that must not replace a device, a
    // pipe or a folder that happens to bear the name, nor a link the program did
    // not make.
    if (const auto refused = refusedTarget(path, origin)) return WriteResult::failure(*refused);

    QSaveFile file(pathOf(path));
    if (!file.open(QIODevice::WriteOnly))
        return WriteResult::failure(words(file.errorString(), MsgFileCannotBeCreated()));
    const auto cancel = [&file](std::string_view fallback) {
        const std::string error = words(file.errorString(), fallback);
        file.cancelWriting();
        return WriteResult::failure(error);
    };
    // A full disk can take fewer bytes than given; committing then would put a
    // truncated file in place of the old one.
    if (file.write(*bytes) != bytes->size()) return cancel(MsgTextNotAllWritten());
    // Qt 6.4's commit() flushes the buffer as it closes the file but does not look at
    // whether that worked, and takes no notice of a failed sync: a short text that
    // sat in the buffer would be renamed into place empty. Both are done here first
    // and checked.
    if (!file.flush()) return cancel(MsgTextNotAllWritten());
#ifdef Q_OS_UNIX
    if (::fsync(file.handle()) != 0) {
        const int error = errno;
        file.cancelWriting();
        return WriteResult::failure(withSystemWords(MsgFileNotCompleted(), error));
    }
#endif
    if (!file.commit()) return WriteResult::failure(words(file.errorString(), MsgFileNotCompleted()));
    return WriteResult::success();
}

bool QtTextFiles::exists(const std::string& path)
{
#ifdef Q_OS_UNIX
    return entryAt(path).has_value();
#else
    const QFileInfo info(pathOf(path));
    return info.exists() || info.isSymLink();
#endif
}

}  // namespace tallimo::ui
