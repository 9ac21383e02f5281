#include "shot/TextShotKeys.h"

#include "engine/Catalogue.h"
#include "shot/CLocaleNumbers.h"
#include "shot/PrintableText.h"
#include "shot/ShotFile.h"

namespace vorlan {

namespace {

// The rifle is a name like the shot's own and takes as many characters.
constexpr ShotTextKey kTextKeys[] = {
    {"Rifle:", &ShotParameters::rifle, 256},
};

}  // namespace

const ShotTextKey& rifleKey() { return kTextKeys[0]; }

std::string textShotFileText(const ShotParameters& shot) {
    std::string text;
    for (const ShotTextKey& key : kTextKeys) {
        const std::string& value = shot.*key.member;
        if (!value.empty()) text.append(key.key).append(withoutLineBreaks(value)).append(kShotLineEnd);
    }
    return text;
}

bool applyTextShotLine(std::string_view line, ShotParameters& shot) {
    for (const ShotTextKey& key : kTextKeys) {
        if (!startsWithNoCase(line, key.key)) continue;
        shot.*key.member = withoutLineBreaks(line.substr(key.key.size()));
        return true;
    }
    return false;
}

std::string textInputProblem(const ShotParameters& shot) {
    for (const ShotTextKey& key : kTextKeys) {
        if (characterCount(shot.*key.member) <= key.maxCharacters) continue;
        return translated("%1: the text is longer than %2 characters",
                          {key.key.substr(0, key.key.size() - 1), std::to_string(key.maxCharacters)});
    }
    return {};
}

}  // namespace vorlan
