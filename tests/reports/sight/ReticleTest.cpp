#include "reports/sight/Reticle.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

namespace vorlan {
namespace {

constexpr const char* kHead = "name Test\nunit mil\nplane first\n";

// A malformed file is refused, naming the line of its first fault.
TEST(Reticle, MalformedFilesAreRefusedWithTheirLine) {
    const std::pair<std::string, const char*> cases[] = {
        {std::string(kHead) + "line 0 0 1\n", "line 4: 'line' takes 4 numbers and an optional size"},
        {std::string(kHead) + "dot 1 x\n", "line 4: a position must be a number from -200 to 200, not 'x'"},
        {std::string(kHead) + "# fine\n\ndot 1 0 -0.2\n", "line 6: a size must be a number from 0 to 200, not '-0.2'"},
        {std::string(kHead) + "dot 1 0\ncircle 2 2\n", "line 5: 'circle' is not a reticle key"},
        {"name Test\nunit furlong\n", "line 2: the unit is mil or moa"},
        {"name Test\nunit mil\nplane second\ntrue-at 0.5\n",
         "line 4: the magnification must be a number from 1 to 100, not '0.5'"},
        {std::string(kHead) + "number 1 1 12345678901234567\n", "line 4: a number's text has at most 16 characters"},
        {std::string(kHead) + "number 1 1\n", "line 4: 'number' takes a position x y and its text"},
        {std::string(kHead) + "dot 1e999 0\n", "line 4: a position must be a number from -200 to 200, not '1e999'"},
        {"unit mil\nplane first\ndot 0 0\n", "the reticle has no name"},
        {"name T\nunit mil\nplane second\ndot 0 0\n",
         "a second-plane reticle needs the magnification it is true at (true-at)"},
        {kHead, "the reticle has no lines or dots"},
    };
    for (const auto& [text, problem] : cases) {
        const ReticleRead read = parseReticle(text);
        EXPECT_FALSE(read.reticle) << text;
        EXPECT_EQ(read.problem, problem);
    }
    const ReticleRead missing = readReticleFile("/nonexistent/own.vrt");
    EXPECT_EQ(missing.problem, "cannot read reticle '/nonexistent/own.vrt': No such file or directory");
}

TEST(Reticle, ReachAndFieldDefaultToTheMarks) {
    const ReticleRead read = parseReticle(std::string(kHead) + "line -3 0 3 0 0.1  # across\nnumber 0 -4 4 mil\n");
    ASSERT_TRUE(read.reticle) << read.problem;
    EXPECT_EQ(read.reticle->reach, 4.0);
    EXPECT_EQ(read.reticle->field, 5.0);
    EXPECT_EQ(read.reticle->numbers.at(0).text, "4 mil");
}

// The mil-dot's dots sit on the lines at every whole mil out to 4, both ways.
TEST(Reticle, MilDotDotsAtWholeMils) {
    const ReticleRead read = reticleNamed("mil-dot");
    ASSERT_TRUE(read.reticle) << read.problem;
    std::set<std::pair<double, double>> dots;
    for (const ReticleDot& d : read.reticle->dots) dots.insert({d.x, d.y});
    std::set<std::pair<double, double>> whole;
    for (int k = 1; k <= 4; ++k)
        for (const auto& at : {std::pair(k, 0), std::pair(-k, 0), std::pair(0, k), std::pair(0, -k)})
            whole.insert({at.first, at.second});
    EXPECT_EQ(dots, whole);
    EXPECT_EQ(read.reticle->unit, AngleUnit::Mil);
    for (const std::string& name : builtInReticleNames()) {
        const ReticleRead builtIn = reticleNamed(name);
        EXPECT_TRUE(builtIn.reticle && builtIn.reticle->reach <= builtIn.reticle->field) << name << builtIn.problem;
    }
}

}  // namespace
}  // namespace vorlan
