// Amplitudes read from *AMPLITUDE blocks, their values, and the times at which steps end.
#include "amplitudes.h"

#include <gtest/gtest.h>

#include <string>

namespace abazenta {
namespace {

Amplitude tabular(std::vector<std::pair<double, double>> points) {
    Amplitude amplitude;
    amplitude.points = std::move(points);
    return amplitude;
}

// Linear between the points, constant beyond them, 1 without any.
TEST(AmplitudeValue, InterpolatesBetweenPointsAndHoldsBeyondThem) {
    const Amplitude ramp = tabular({{0.0, 0.0}, {1.0, 1.0}, {2.0, 0.5}});
    const struct {
        double time;
        double value;
    } cases[] = {{-1.0, 0.0}, {0.0, 0.0}, {0.5, 0.5}, {1.0, 1.0},
                 {1.5, 0.75}, {2.0, 0.5}, {7.0, 0.5}};
    for (const auto& c : cases) EXPECT_EQ(ramp.value_at(c.time), c.value) << c.time;
    EXPECT_EQ(tabular({}).value_at(3.0), 1.0);
    EXPECT_EQ(tabular({{2.0, 0.25}}).value_at(0.0), 0.25);
    EXPECT_EQ(tabular({{2.0, 0.25}}).value_at(5.0), 0.25);
    // A jump: two points at one time; the value before it up to that time, after it beyond.
    const Amplitude jump = tabular({{0.0, 0.0}, {1.0, 0.0}, {1.0, 2.0}, {2.0, 2.0}});
    EXPECT_EQ(jump.value_at(1.0), 0.0);
    EXPECT_EQ(jump.value_at(1.5), 2.0);
}

Amplitudes read(const std::string& text) {
    DeckSource source;
    source.text = text;
    Amplitudes amplitudes;
    for (const Block& block : read_deck(source).blocks) amplitudes.read(block);
    return amplitudes;
}

TEST(ReadAmplitude, ReadsNameDefinitionTimeAndPairs) {
    const std::string deck =
        "*Amplitude, name=Ramp\n0., 0., 0.5, 2.,\n1., 4.\n"
        "*AMPLITUDE, NAME=total, TIME=TOTAL TIME, DEFINITION=tabular\n0, 1, 9\n"
        "*Amplitude, name=Smooth, definition=SMOOTH STEP\n0., 0., 1., 1.\n"
        "*Amplitude, definition=PERIODIC\n1, 2\n";
    const Amplitudes amplitudes = read(deck);
    const Amplitude* ramp = amplitudes.find("RAMP");
    ASSERT_NE(ramp, nullptr);
    EXPECT_EQ(ramp->name, "Ramp");
    EXPECT_TRUE(ramp->tabular);
    EXPECT_FALSE(ramp->total_time);
    EXPECT_EQ(ramp->points, (std::vector<std::pair<double, double>>{{0, 0}, {0.5, 2}, {1, 4}}));
    const Amplitude* total = amplitudes.find("Total");
    ASSERT_NE(total, nullptr);
    EXPECT_TRUE(total->tabular);
    EXPECT_TRUE(total->total_time);
    EXPECT_EQ(total->points, (std::vector<std::pair<double, double>>{{0, 1}}));  // 9 is alone
    const Amplitude* smooth = amplitudes.find("smooth");
    ASSERT_NE(smooth, nullptr);
    EXPECT_FALSE(smooth->tabular);
    EXPECT_EQ(amplitudes.find("PERIODIC"), nullptr);  // no name: nothing to refer to
    EXPECT_EQ(amplitudes.find("Other"), nullptr);
}

// Model data takes no time; a step takes its period; the blocks after an *END STEP too.
TEST(StepTimes, GivesTheStepTimeAndTheTotalTimeAtTheEndOfEachStep) {
    StepTimes times;
    times.set_last_period(5.0);  // not for model data
    EXPECT_EQ(times.begin_step(1.0), 1);
    times.set_last_period(2.5);
    EXPECT_EQ(times.begin_step(0.0), 2);
    EXPECT_EQ(times.begin_step(1.0), 3);
    EXPECT_EQ(times.step_time(0), 0.0);
    EXPECT_EQ(times.total_time(0), 0.0);
    EXPECT_EQ(times.step_time(1), 2.5);
    EXPECT_EQ(times.total_time(1), 2.5);
    EXPECT_EQ(times.total_time(2), 2.5);
    EXPECT_EQ(times.step_time(3), 1.0);
    EXPECT_EQ(times.total_time(3), 3.5);
}

}  // namespace
}  // namespace abazenta
