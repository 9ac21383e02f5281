#pragma once
// The field card: the few rows of a range table a shooter carries, with the elevation to
// dial and the windage holds for a few wind speeds, sometimes for a few temperatures.
//
//   ShotParameters + FieldCardRequest -> fieldCard() (the table's flight, once per wind and
//   per temperature) -> FieldCard (cells rounded as the turret reads them)
//   -> fitFieldCard() (FieldCardLayout.h) -> text, CSV, PDF, SVG, PNG, printer
//
// Every figure comes from the range table's own flight (RangeTableReport): the shot with all
// its effects in force, and its holds as the Holds view computes them. A wind column flies
// the shot again with that wind at full value from the right over the whole flight (in place
// of the shot's own wind and wind zones); a temperature column flies it
// at that temperature (the powder too, when it has a sensitivity) with the muzzle angle of
// the shot's own zero, since the scope is not zeroed again when the weather changes.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/Holds.h"
#include "engine/Units.h"
#include "shot/ShotParameters.h"
#include "shot/Units.h"

namespace vorlan {

// The unit the elevation and windage are given in: true MOA, mil, or clicks of the shot's
// click value.
enum class CardAngle { Moa, Mil, Clicks };

// A named target at a range (yards, or metres on a metric card).
struct CardTarget {
    std::string name;
    double range = 0.0;
    bool operator==(const CardTarget&) const = default;
};

// The card sizes: pocket 3 x 5 in, half page (5.5 x 8.5 in, A5 on a metric card), full page
// (letter, A4 on a metric card) and a strip of 1.5 x 4 in for a scope cap or an arm band.
enum class CardLayout { Pocket, Half, Page, Strip };

// The largest range a card may ask for, yards (the longest range table).
inline constexpr double kCardMaxRangeYards = 5000.0;
// At most this many temperature brackets and wind speeds.
inline constexpr std::size_t kCardMaxTemperatures = 3;
inline constexpr std::size_t kCardMaxWinds = 6;
inline constexpr double kCardMostPictureShare = 0.6;

struct FieldCardRequest {
    // A regular list of ranges, in the card's range unit (yd or m); step 0 is none.
    double from = 100.0;
    double to = 1000.0;
    double step = 100.0;
    std::vector<CardTarget> targets;  // named targets, merged into the list by range
    CardAngle angle = CardAngle::Moa;
    std::vector<double> winds{5.0, 10.0, 15.0};  // in cardWindUnit(): mph, or m/s on a metric card
    std::optional<Unit> windUnit;                // the winds' unit; none: the card's units' own
    std::vector<double> temperatures;            // deg F, or deg C on a metric card; none: no brackets
    bool velocity = false;
    bool time = false;
    bool energy = false;
    CardLayout layout = CardLayout::Pocket;
    // The share of a pocket or half card's width kept at the right for a picture beside the
    // table (the sight picture's ladder); 0: none.
    double pictureShare = 0.0;
    UnitSystem units = UnitSystem::Imperial;
    std::string fileName;  // the shot file's name for the footer; empty for an unsaved shot
    std::string date;      // for the header, e.g. "2026-12-09"
};

// The default winds of a card in its units: 5, 10, 15 mph; 2, 4, 6 m/s; in a unit of speed, the
// same or 10, 15, 20 km/h.
std::vector<double> defaultCardWinds(UnitSystem units);
std::vector<double> defaultCardWinds(Unit windUnit);

// The unit of a card's winds: its own when it has one, else mph, or m/s on a metric card.
Unit cardWindUnit(const FieldCardRequest& request);
// The unit a shooter types a card's or picture's winds in: the unit of speed chosen when it is
// not the designed one (km/h, m/s), else the card's units' own (mph, or m/s on a metric card).
Unit typedWindUnit(const UnitChoice& shown, UnitSystem card);

// One row: a range (in the card's unit), its target name if any, and its figures, each none
// where the bullet does not reach the range.
struct FieldCardRow {
    double range = 0.0;
    std::string target;
    std::optional<double> elevation;                  // dial up, in the card's angle unit
    std::optional<double> windage;                    // hold right for the shot's own wind
    std::vector<std::optional<double>> winds;         // hold right, one per wind speed
    std::vector<std::optional<double>> temperatures;  // elevation, one per temperature bracket
    std::optional<double> velocity;                   // ft/s or m/s
    std::optional<double> time;                       // s
    std::optional<double> energy;                     // ft-lb or J
    bool transonic = false;                           // under Mach 1.2 at this range
    bool subsonic = false;                            // under Mach 1 at this range
};

struct FieldCard {
    FieldCardRequest request;
    ClickValue click;                     // the shot's click value, which a clicks card counts in
    std::string shotName;                 // the header's first line
    double zeroRange = 0.0;               // yards or metres
    std::vector<std::string> conditions;  // "65 F", "29.92 inHg", "2000 ft", "40 % RH"
    double speedOfSound = 0;              // ft/s or m/s, of the shot's air
    bool windZonesReplaced = false;       // the shot's wind zones gave way to the card's winds
    std::string flightEnd;                // why the flight ends short of a row's range; empty when it reaches them all
    std::vector<FieldCardRow> rows;
};

// The card of a shot; every range, wind and temperature checked by cardRequestProblem first.
FieldCard fieldCard(const ShotParameters& shot, const FieldCardRequest& request);

// Why a card cannot be made as asked (no rows, a range beyond the table, too many winds...);
// empty when it can.
std::string cardRequestProblem(const FieldCardRequest& request);

// The cell of a figure as the card prints it: 0.1 MOA or mil, whole clicks, velocity and
// energy whole, time of flight to 0.01 s; "--" for none; never "-0".
std::string cardAngleCell(const std::optional<double>& angle, CardAngle unit);
std::string cardNumberCell(const std::optional<double>& value, int decimals);

// The card's cells as CSV lines (LF ends): range_yd (range_m), target, elevation, wind_5,
// wind_10..., then one column per temperature (temp_20...), then velocity, time, energy when
// asked.
std::string fieldCardCsv(const FieldCard& card);

// Parsers for the inputs a user types. Each returns none and a reason in `problem` for text
// it cannot read.
// "100:1000:50" (from, to, step).
std::optional<FieldCardRequest> parseCardRanges(std::string_view text, FieldCardRequest request, std::string& problem);
// "Gong 1=327, Ridge=612" (names may hold blanks; a comma or a new line ends a target).
std::optional<std::vector<CardTarget>> parseCardTargets(std::string_view text, std::string& problem);
// "5,10,15": numbers separated by commas or blanks.
std::optional<std::vector<double>> parseCardNumbers(std::string_view text, std::string& problem);
// Numbers as a box shows them: "5, 10, 15".
std::string cardNumbersText(const std::vector<double>& numbers);
// A list of winds typed in one unit of speed as it reads in another: the one's default winds
// become the other's, any other winds the same speeds; a text that is no list stays as it is.
std::string cardWindsTextIn(std::string_view text, Unit from, Unit to);

// The ranges a shot keeps for its card ("Card Ranges:", a profile's distances in metres) as
// targets in the card's unit (yd, or m on a metric card), each named by its metres ("100 m").
std::vector<CardTarget> keptCardRanges(const ShotParameters& shot, UnitSystem units);
// Targets as parseCardTargets reads them back, one a line: "100 m = 109.36133".
std::string cardTargetsText(const std::vector<CardTarget>& targets);

// "pocket", "half", "page", "strip" and back; "moa", "mil", "clicks" and back.
std::optional<CardLayout> parseCardLayout(std::string_view text);
std::string_view cardLayoutName(CardLayout layout);
std::optional<CardAngle> parseCardAngle(std::string_view text);
std::string_view cardAngleName(CardAngle angle);

}  // namespace vorlan
