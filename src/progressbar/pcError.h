#pragma once

#include <stdexcept>
#include <string>

namespace orvane {

// An error raised to the caller: a number, the source that raised it and a description, the
// texts in UTF-8.
class pcError : public std::runtime_error {
public:
    pcError(int number, std::string source, const std::string& description)
        : std::runtime_error(description), number_(number), source_(std::move(source)) {}
    int Number() const { return number_; }
    const std::string& Source() const { return source_; }
    std::string Description() const { return what(); }

private:
    int number_;
    std::string source_;
};

} // namespace orvane
