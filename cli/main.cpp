// vorlan-cli: command-line front end to the Vorlan ballistics engine and reports.

#include <iostream>

#include "cli/Commands.h"
#include "shot/PrintableText.h"

namespace {

// Passes what is written on to `target` without control characters, but for tabs and line
// ends: a name in a shot file (a BEL, an ESC sequence) never reaches the terminal raw.
class PrintableOutput : public std::streambuf {
public:
    explicit PrintableOutput(std::ostream& stream) : stream_(stream), target_(stream.rdbuf(this)) {}
    ~PrintableOutput() override { stream_.rdbuf(target_); }

protected:
    int_type overflow(int_type c) override {
        if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
        const char ch = traits_type::to_char_type(c);
        return xsputn(&ch, 1) == 1 ? c : traits_type::eof();
    }
    std::streamsize xsputn(const char* text, std::streamsize count) override {
        const std::string shown = filter_.pass(std::string_view(text, static_cast<std::size_t>(count)));
        const auto size = static_cast<std::streamsize>(shown.size());
        return target_->sputn(shown.data(), size) == size ? count : 0;
    }
    int sync() override { return target_->pubsync(); }

private:
    std::ostream& stream_;
    std::streambuf* target_;
    vorlan::ControlCharacterFilter filter_{true};
};

}  // namespace

int main(int argc, char** argv) {
    const PrintableOutput output(std::cout);
    const PrintableOutput errors(std::cerr);
    return vorlan::cli::run(argc, argv);
}
