#include "engine/MoCatalogue.h"

#include <cstring>

namespace vorlan {

namespace {
constexpr std::uint32_t kMagic = 0x950412de;
constexpr std::uint32_t kSwappedMagic = 0xde120495;
constexpr std::size_t kHeaderSize = 28;  // magic, revision, count, two tables, the hash table

std::uint32_t swapBytes(std::uint32_t value) {
    return (value >> 24) | ((value >> 8) & 0xff00) | ((value << 8) & 0xff0000) | (value << 24);
}
}  // namespace

MoCatalogue::MoCatalogue(std::span<const unsigned char> bytes) : bytes_(bytes) {
    if (bytes_.size() < kHeaderSize) return;
    const std::uint32_t magic = word(0);
    if (magic != kMagic && magic != kSwappedMagic) return;
    swapped_ = magic == kSwappedMagic;
    if ((word(4) >> 16) > 1) return;  // a major revision this reader does not know
    const std::uint32_t count = word(8);
    originals_ = word(12);
    translations_ = word(16);
    count_ = count;
    if (!tableFits(originals_) || !tableFits(translations_)) {
        count_ = 0;
        return;
    }
    // Every string must end with its NUL inside the bytes: find() then never reads past them.
    for (std::uint32_t i = 0; i < count; ++i) {
        if (entry(originals_, i).data() == nullptr || entry(translations_, i).data() == nullptr) {
            count_ = 0;
            return;
        }
    }
}

std::uint32_t MoCatalogue::word(std::size_t offset) const {
    std::uint32_t value = 0;
    std::memcpy(&value, bytes_.data() + offset, sizeof value);
    return swapped_ ? swapBytes(value) : value;
}

bool MoCatalogue::tableFits(std::uint32_t table) const {
    return std::uint64_t{table} + std::uint64_t{count_} * 8 <= bytes_.size();
}

std::string_view MoCatalogue::entry(std::uint32_t table, std::uint32_t index) const {
    const std::uint64_t length = word(table + std::size_t{index} * 8);
    const std::uint64_t offset = word(table + std::size_t{index} * 8 + 4);
    if (offset + length >= bytes_.size() || bytes_[offset + length] != '\0') return {};
    return {reinterpret_cast<const char*>(bytes_.data() + offset), static_cast<std::size_t>(length)};
}

const char* MoCatalogue::find(std::string_view original) const {
    if (original.empty()) return nullptr;
    std::uint32_t low = 0;
    std::uint32_t high = count_;
    while (low < high) {
        const std::uint32_t middle = low + (high - low) / 2;
        const std::string_view candidate = entry(originals_, middle);
        // A plural's original holds its singular, a NUL and its plural; it sorts by the singular.
        const std::string_view key = candidate.substr(0, candidate.find('\0'));
        const int order = key.compare(original);
        if (order == 0) {
            const std::string_view translation = entry(translations_, middle);
            return translation.empty() ? nullptr : translation.data();
        }
        if (order < 0) {
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    return nullptr;
}

}  // namespace vorlan
