#include "tests/fakes/MatchDriver.h"
#include "tests/fakes/RecordingCues.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace qv::test {
namespace {

constexpr int kSeeds = 1000;

struct Limit {
    const char* name;
    void (SettingsMenu::*choose)();
    int seconds;
};

const Limit kLimits[] = {{"3min", &SettingsMenu::onThreeMinutes, 180},
                         {"2min", &SettingsMenu::onTwoMinutes, 120},
                         {"1min", &SettingsMenu::onOneMinute, 60},
                         {"45s", &SettingsMenu::onFortyFiveSeconds, 45}};

void PrintTo(const Limit& limit, std::ostream* out) {
    *out << limit.name;
}

const char* modeName(PlayMode mode) {
    switch (mode) {
    case PlayMode::Alone:
        return "Alone";
    case PlayMode::OneBoard:
        return "OneBoard";
    case PlayMode::OneAfterOther:
        return "OneAfterOther";
    }
    return "?";
}

// What the clock must show in a game: the limit, then every second down to 0:00.
std::vector<std::string> countdown(int limitSeconds) {
    std::vector<std::string> texts;
    for (int left = limitSeconds; left >= 0; --left) {
        char text[16];
        std::snprintf(text, sizeof text, "%d:%02d", left / 60, left % 60);
        texts.emplace_back(text);
    }
    return texts;
}

// Describes where two runs of clock texts first part, for a readable failure.
std::string firstDifference(const std::vector<std::string>& shown,
                            const std::vector<std::string>& expected) {
    for (std::size_t n = 0; n < std::max(shown.size(), expected.size()); ++n) {
        const std::string got = n < shown.size() ? shown[n] : "(nothing)";
        const std::string want = n < expected.size() ? expected[n] : "(nothing)";
        if (got != want)
            return "text " + std::to_string(n) + " is " + got + ", not " + want;
    }
    return {};
}

/// Games played on precise timers, watched as the window would render them: every
/// change of the clock and the moment the game stopped.
class PreciseClock : public ::testing::TestWithParam<std::tuple<Limit, PlayMode>> {
protected:
    MatchDriver d;
    RecordingCues cues;
    RecordingRecords records{d.game.state};
    const Control& clock = d.game.view[Role::Clock];
    std::vector<std::string> shown;
    std::optional<std::int64_t> stoppedAt;
    std::int64_t freeBeforeStop = 0;

    void SetUp() override {
        d.game.setSound(cues);
        d.game.setRecords(records);
        const auto& [limit, opponent] = GetParam();
        (d.game.settings.*limit.choose)();
        MatchState& s = d.game.state;
        s.OpponentMode = opponent;
        if (opponent != PlayMode::Alone) {
            s.PlayerCount = 2;
            s.PlayerName1 = "Ana";
            s.PlayerName2 = "Bia";
            s.SettingsChanged = 1;
        }
        d.ports.scheduler.setAfterEvent([this] {
            if (clock.caption != shown.back())
                shown.push_back(clock.caption);
            if (!stoppedAt && !d.game.matchInProgress()) {
                stoppedAt = d.ports.scheduler.now();
                freeBeforeStop = d.ports.scheduler.freeSince();
            }
        });
    }

    /// JOGAR, then lets the game run two seconds past its limit; returns when JOGAR
    /// was pressed.
    std::int64_t playGame(int limitSeconds) {
        shown.clear();
        stoppedAt.reset();
        const std::int64_t started = d.ports.scheduler.now();
        d.game.deal.onPlay();
        shown.push_back(clock.caption);
        d.wait(limitSeconds * 1000 + 2000);
        return started;
    }

    /// A game that counts down: every second shown once, in order, the whole limit
    /// used, and the end within 150 ms of the limit, or of the loop's return when
    /// a stall held it across the limit. Returns a description of the first fault.
    std::string checkCountdown(int limitSeconds, const char* who) {
        const std::int64_t limit = playGame(limitSeconds) + limitSeconds * 1000;
        std::string fault = firstDifference(shown, countdown(limitSeconds));
        if (fault.empty() && (!stoppedAt || *stoppedAt < limit - 150 ||
                              *stoppedAt > std::max(limit, freeBeforeStop) + 150))
            fault =
                "stopped " + std::to_string(stoppedAt.value_or(-1) - limit) + " ms after the limit";
        if (fault.empty() && d.game.state.ElapsedSeconds != limitSeconds)
            fault = "used " + std::to_string(d.game.state.ElapsedSeconds) + " s";
        return fault.empty() ? fault : std::string(who) + ": " + fault;
    }
};

TEST_P(PreciseClock, ShowsEverySecondOnceAndEndsOnTime) {
    const int limit = std::get<0>(GetParam()).seconds;
    const PlayMode opponent = std::get<1>(GetParam());
    MatchState& s = d.game.state;
    for (std::uint32_t seed = 1; seed <= kSeeds; ++seed) {
        d.ports.scheduler.firePrecisely(seed);
        std::string fault;
        if (opponent == PlayMode::Alone) {
            fault = checkCountdown(limit, "alone");
        } else if (opponent == PlayMode::OneAfterOther) {
            fault = checkCountdown(limit, "first player");
            if (fault.empty())
                fault = checkCountdown(limit, "second player");
            if (fault.empty() && (s.GameTime1 != limit || s.GameTime2 != limit))
                fault = "game times " + std::to_string(s.GameTime1) + " and " +
                        std::to_string(s.GameTime2);
            if (fault.empty() && d.ports.dialogs.last().text != "Partida Geral Encerrada")
                fault = "equal times were charged a penalty";
        } else {
            // One board has no clock: it stays free and never runs out.
            playGame(limit);
            if (shown != std::vector<std::string>{"Livre"} || stoppedAt)
                fault = "the free clock showed " + shown.back();
            d.ports.dialogs.answer(Answer::Yes);
            d.game.clock.onStop();
        }
        if (!fault.empty()) {
            ADD_FAILURE() << "seed " << seed << ", " << fault;
            return;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(LimitsAndModes, PreciseClock,
                         ::testing::Combine(::testing::ValuesIn(kLimits),
                                            ::testing::Values(PlayMode::Alone,
                                                              PlayMode::OneAfterOther,
                                                              PlayMode::OneBoard)),
                         [](const ::testing::TestParamInfo<PreciseClock::ParamType>& param) {
                             return std::string(std::get<0>(param.param).name) + "_" +
                                    modeName(std::get<1>(param.param));
                         });

} // namespace
} // namespace qv::test
