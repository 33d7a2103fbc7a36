#include "progressbar/gdi/pcDibSection.h"

#include "progressbar/TextCodec.h"

#include <array>

namespace orvane {
namespace {

class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    ~FileHandle() {
        if (handle_ != INVALID_HANDLE_VALUE) {
            ::CloseHandle(handle_);
        }
    }
    HANDLE Get() const { return handle_; }

private:
    HANDLE handle_;
};

// The first failing write skips the rest.
class CheckedWriter {
public:
    explicit CheckedWriter(HANDLE file) : file_(file) {}
    void Write(const void* data, DWORD size) {
        DWORD written = 0;
        ok_ = ok_ && ::WriteFile(file_, data, size, &written, nullptr) != 0 && written == size;
    }
    bool Ok() const { return ok_; }

private:
    HANDLE file_;
    bool ok_ = true;
};

std::string ErrorSource() {
    std::array<wchar_t, MAX_PATH> path{};
    const DWORD length = ::GetModuleFileNameW(nullptr, path.data(), MAX_PATH);
    std::wstring name(path.data(), length);
    name = name.substr(name.find_last_of(L"\\/") + 1);
    name = name.substr(0, name.rfind(L'.'));
    return ToUtf8(std::u16string(name.begin(), name.end())) + ".cDIBSection";
}

std::string SystemErrorText(DWORD error) {
    wchar_t* text = nullptr;
    const DWORD length = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::u16string message(text, text + length);
    ::LocalFree(text);
    while (!message.empty() && (message.back() == u'\n' || message.back() == u'\r')) {
        message.pop_back();
    }
    return ToUtf8(message);
}

} // namespace

bool pcDibSection::SavePicture(const std::wstring& sFileName) const {
    return WriteBitmapFile(sFileName);
}

bool pcDibSection::WriteBitmapFile(const std::wstring& fileName) const {
    const FileHandle file(::CreateFileW(fileName.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                        CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.Get() == INVALID_HANDLE_VALUE) {
        throw pcError(17, ErrorSource(), SystemErrorText(::GetLastError()));
    }
    const auto header = BitmapFileHeader(Width(), Height());
    CheckedWriter writer(file.Get());
    writer.Write(header.data(), 14);
    writer.Write(header.data() + 14, 44);
    writer.Write(m_lPtr, static_cast<DWORD>(BytesPerScanLine() * Height()));
    return writer.Ok();
}

} // namespace orvane
