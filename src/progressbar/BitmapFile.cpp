#include "progressbar/pcDibSection.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <array>

namespace orvane {
namespace {

constexpr std::uint32_t kHeaderBytes = 14 + 40 + 4;

void PutLe(std::uint8_t* at, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        at[i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

// The first failing write skips the rest.
class CheckedWriter {
public:
    explicit CheckedWriter(QFile& file) : file_(file) {}
    void Write(const std::uint8_t* data, qint64 size) {
        if (ok_) {
            ok_ = file_.write(reinterpret_cast<const char*>(data), size) == size;
        }
    }
    bool Ok() const { return ok_; }

private:
    QFile& file_;
    bool ok_ = true;
};

QString ErrorSource() {
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName() +
           QStringLiteral(".cDIBSection");
}

} // namespace

bool pcDibSection::SavePicture(const QString& sFileName) const {
    return WriteBitmapFile(sFileName);
}

bool pcDibSection::WriteBitmapFile(const QString& fileName) const {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Truncate | QIODevice::Unbuffered)) {
        throw pcError(17, ErrorSource(), file.errorString());
    }
    const auto imageSize = static_cast<std::uint32_t>(bits_.size());
    std::array<std::uint8_t, kHeaderBytes> header{};
    header[0] = 0x42;
    header[1] = 0x4D;
    PutLe(&header[2], imageSize + kHeaderBytes, 4);
    PutLe(&header[10], kHeaderBytes, 4);
    // The info header: size, width, height (positive: bottom line first), planes, bits per
    // pixel, no compression, image size; the rest and the one colour entry stay 0.
    PutLe(&header[14], 40, 4);
    PutLe(&header[18], static_cast<std::uint32_t>(width_), 4);
    PutLe(&header[22], static_cast<std::uint32_t>(height_), 4);
    PutLe(&header[26], 1, 2);
    PutLe(&header[28], 32, 2);
    PutLe(&header[34], imageSize, 4);

    CheckedWriter writer(file);
    writer.Write(header.data(), 14);
    writer.Write(header.data() + 14, 44);
    writer.Write(bits_.data(), static_cast<qint64>(bits_.size()));
    file.close();
    return writer.Ok();
}

} // namespace orvane
