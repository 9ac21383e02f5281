// A whole shot made from the bytes (any double, NaN and infinities included; any integer; any
// text), run through every calculation and report, then written and read back.

#include <cstdint>
#include <cstring>
#include <optional>
#include <string_view>

#include "fuzz/FuzzCommon.h"
#include "reports/RangeTable.h"
#include "reports/ShotComparison.h"
#include "reports/TableText.h"
#include "shot/AtmosphereCommands.h"
#include "shot/ShotSetup.h"

namespace {

using namespace vorlan;

// Takes values from the front of the fuzzer's bytes; zeros once they run out.
class Bytes {
public:
    Bytes(const std::uint8_t* data, std::size_t size) : rest_(reinterpret_cast<const char*>(data), size) {}
    template <typename T>
    T take() {
        T value{};
        const std::size_t n = std::min(sizeof value, rest_.size());
        std::memcpy(&value, rest_.data(), n);
        rest_.remove_prefix(n);
        return value;
    }
    std::string text() {
        const std::size_t n = std::min<std::size_t>(take<std::uint8_t>() * 2u, rest_.size());
        std::string value(rest_.substr(0, n));
        rest_.remove_prefix(n);
        return value;
    }

private:
    std::string_view rest_;
};

ShotParameters shotFrom(Bytes& bytes) {
    ShotParameters shot;
    for (const ShotFileLine& line : shotFileLines()) {
        std::visit(
            [&](auto member) {
                auto& value = shot.*member;
                using T = std::decay_t<decltype(value)>;
                if constexpr (std::is_same_v<T, std::string>)
                    value = bytes.text();
                else if constexpr (std::is_same_v<T, bool>)
                    value = (bytes.take<std::uint8_t>() & 1) != 0;
                else
                    value = bytes.take<T>();
            },
            line.member);
    }
    return shot;
}

void runEveryCalculation(ShotParameters shot) {
    const RangeTableReport report(shot);
    const std::vector<std::string> lines = rangeTableLines(shot, report);
    fuzz::check(savedTableText(lines).size() >= lines.size() * 2, "every saved line has its line end");
    (void)displayedTableLines(lines);
    (void)zeroWarning(shot, report.tableTrajectory());
    writeBackMuzzleAngle(shot, report);

    ShotParameters current = shot;
    const std::optional<ShotBaseline> baseline = setBaseline(shot);
    (void)shootComparison(baseline, current);
    (void)shootComparison(std::nullopt, current);

    (void)shotMaxRangeSolver(shot).computeMaximumRange();
    (void)shotPointBlankZeroSolver(shot).solve();
    (void)shotChronographBcSolver(shot).solve();
    EvwCalculator calculator = shotCalculator(shot);
    calculator.calculate();
    calculator.calculateRecoil();
    storeCalculator(shot, calculator);

    ShotParameters air = shot;
    airDensityCommand(air);
    icaoAtmosphereCommand(air);
    standardAtmosphereCommand(air);
    fuzz::checkRoundTrip(shot);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Bytes bytes(data, size);
    runEveryCalculation(shotFrom(bytes));
    return 0;
}
