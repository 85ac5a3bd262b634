#include "ui/files/qt_text_files.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace tallimo {

namespace {

enum class Direction { ToDisk, FromDisk };

// The one place where text changes between the program's UTF-8 and the system's
// code page. Reading is lenient (a stray byte becomes a replacement character);
// writing refuses a character the code page cannot hold rather than lose it.
std::optional<QByteArray> recode(QByteArrayView bytes, Direction direction)
{
    if (direction == Direction::FromDisk) {
        QStringDecoder decoder(QStringConverter::System);
        const QString text = decoder.decode(bytes);
        return text.toUtf8();
    }
    QStringEncoder encoder(QStringConverter::System);
    QByteArray encoded = encoder.encode(QString::fromUtf8(bytes));
    if (encoder.hasError()) return std::nullopt;
    return encoded;
}

QString pathOf(const std::string& path) { return QString::fromStdString(path); }

std::string words(const QString& error, const char* fallback)
{
    return error.isEmpty() ? std::string(fallback) : error.toStdString();
}

}  // namespace

ReadResult QtTextFiles::read(const std::string& path)
{
    QFile file(pathOf(path));
    if (QFileInfo(file).isDir()) return {std::nullopt, "This is a folder, not a file."};
    if (!file.open(QIODevice::ReadOnly))
        return {std::nullopt, words(file.errorString(), "The file cannot be opened.")};
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {std::nullopt, words(file.errorString(), "The file cannot be read.")};
    const QByteArray text = *recode(bytes, Direction::FromDisk);
    return {text.toStdString(), ""};
}

std::string QtTextFiles::write(const std::string& path, std::string_view text)
{
    const std::optional<QByteArray> bytes =
        recode(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())), Direction::ToDisk);
    if (!bytes) return "The text holds characters that the system's code page cannot store.";

    // The new file is renamed over the target: that must not replace a device, a
    // pipe or a folder that happens to bear the name.
    const QFileInfo target(pathOf(path));
    if (target.exists() && !target.isFile()) return "This is not an ordinary file, so it is not replaced.";

    QSaveFile file(pathOf(path));
    if (!file.open(QIODevice::WriteOnly)) return words(file.errorString(), "The file cannot be created.");
    // A full disk can take fewer bytes than given; committing then would put a
    // truncated file in place of the old one.
    if (file.write(*bytes) != bytes->size()) {
        const std::string error = words(file.errorString(), "Not all of the text could be written.");
        file.cancelWriting();
        return error;
    }
    if (!file.commit()) return words(file.errorString(), "The file could not be completed.");
    return "";
}

std::optional<std::uintmax_t> QtTextFiles::size(const std::string& path)
{
    const QFileInfo info(pathOf(path));
    if (!info.exists() || !info.isFile()) return std::nullopt;
    return static_cast<std::uintmax_t>(info.size());
}

}  // namespace tallimo
