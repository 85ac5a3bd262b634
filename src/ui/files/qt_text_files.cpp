#include "ui/files/qt_text_files.h"

#include "common/messages.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace tallimo {

namespace {

// Text changes between the program's UTF-8 and the system's code page here and
// nowhere else. Reading is lenient: a stray byte becomes a replacement character.
QByteArray decodeFromDisk(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringConverter::System);
    const QString text = decoder.decode(bytes);
    return text.toUtf8();
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

}  // namespace

ReadResult QtTextFiles::read(const std::string& path)
{
    QFile file(pathOf(path));
    if (QFileInfo(file).isDir()) return {std::nullopt, std::string(MsgFileIsAFolder())};
    if (!file.open(QIODevice::ReadOnly))
        return {std::nullopt, words(file.errorString(), MsgFileCannotBeOpened())};
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {std::nullopt, words(file.errorString(), MsgFileCannotBeRead())};
    const QByteArray text = decodeFromDisk(bytes);
    return {text.toStdString(), ""};
}

WriteResult QtTextFiles::write(const std::string& path, std::string_view text)
{
    const std::optional<QByteArray> bytes = encodeForDisk(text);
    if (!bytes) return WriteResult::failure(MsgCodePageCannotStore());

    // The new file is renamed over the target: that must not replace a device, a
    // pipe or a folder that happens to bear the name.
    const QFileInfo target(pathOf(path));
    if (target.exists() && !target.isFile()) return WriteResult::failure(MsgNotAnOrdinaryFile());

    QSaveFile file(pathOf(path));
    if (!file.open(QIODevice::WriteOnly))
        return WriteResult::failure(words(file.errorString(), MsgFileCannotBeCreated()));
    // A full disk can take fewer bytes than given; committing then would put a
    // truncated file in place of the old one.
    if (file.write(*bytes) != bytes->size()) {
        const std::string error = words(file.errorString(), MsgTextNotAllWritten());
        file.cancelWriting();
        return WriteResult::failure(error);
    }
    if (!file.commit()) return WriteResult::failure(words(file.errorString(), MsgFileNotCompleted()));
    return WriteResult::success();
}

std::optional<std::uintmax_t> QtTextFiles::size(const std::string& path)
{
    const QFileInfo info(pathOf(path));
    if (!info.exists() || !info.isFile()) return std::nullopt;
    return static_cast<std::uintmax_t>(info.size());
}

}  // namespace tallimo
