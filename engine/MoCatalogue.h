#pragma once
// A compiled message catalogue (GNU gettext's .mo format) read in place: a header, a table of
// the original texts sorted by their bytes and a table of their translations, each entry a
// length and an offset into the same bytes. The catalogue keeps the bytes it is given; they
// must outlive it.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace vorlan {

class MoCatalogue {
public:
    MoCatalogue() = default;
    // Reads the catalogue in `bytes`. One that is short, of another format or with a string
    // that runs past the end holds no texts at all.
    explicit MoCatalogue(std::span<const unsigned char> bytes);

    // The translation of `original` (the text up to its first NUL, a plural's singular); null
    // when the catalogue has none or it is empty, and for the empty text (the catalogue's header).
    const char* find(std::string_view original) const;
    std::size_t size() const { return count_; }

private:
    std::uint32_t word(std::size_t offset) const;
    // The entry `index` of the table at `table`: its bytes up to the terminating NUL.
    std::string_view entry(std::uint32_t table, std::uint32_t index) const;
    bool tableFits(std::uint32_t table) const;

    std::span<const unsigned char> bytes_;
    bool swapped_ = false;
    std::uint32_t count_ = 0;
    std::uint32_t originals_ = 0;
    std::uint32_t translations_ = 0;
};

}  // namespace vorlan
