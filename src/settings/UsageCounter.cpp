#include "settings/UsageCounter.h"

#include "settings/IniStore.h"

#include <charconv>
#include <limits>
#include <string>

namespace orvane {

namespace {

constexpr std::int32_t kFirstStart = 1;

std::int32_t storedCount(const std::string& text) {
    std::int32_t count = 0;
    const char* last = text.data() + text.size();
    const auto [end, error] = std::from_chars(text.data(), last, count);
    if (error != std::errc{} || end != last || count < kFirstStart) {
        return kFirstStart;
    }
    return count;
}

} // namespace

std::int32_t countThisStart(const IniStore& store) {
    const std::int32_t count = storedCount(store.IniRead("Main", "USE", "1", "", ""));
    const std::int32_t next = count == std::numeric_limits<std::int32_t>::max() ? count : count + 1;
    store.IniWrite("Main", "USE", std::to_string(next), "", "");
    return count;
}

} // namespace orvane
