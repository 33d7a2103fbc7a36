#include "progressbar/qt/pcDibSection.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace orvane {
namespace {

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
        throw pcError(17, ErrorSource().toStdString(), file.errorString().toStdString());
    }
    const auto header = BitmapFileHeader(width_, height_);
    CheckedWriter writer(file);
    writer.Write(header.data(), 14);
    writer.Write(header.data() + 14, 44);
    writer.Write(bits_.data(), static_cast<qint64>(bits_.size()));
    file.close();
    return writer.Ok();
}

} // namespace orvane
