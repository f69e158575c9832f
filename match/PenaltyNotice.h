#pragma once

#include "platform/Timer.h"

#include <array>
#include <functional>
#include <string>

namespace qv {

class MainView;
struct MatchState;

/// The penalty notice: after two people played one after the other, it tells the
/// slower one how many points the extra seconds cost, then counts them off the
/// main window's score. One instance for the whole run; the window renders it.
class PenaltyNotice {
public:
    /// Points lost per second above the other player's time.
    static constexpr int kPointsPerSecond = 20;
    static constexpr int kStepMilliseconds = 75;

    PenaltyNotice(MatchState& state, MainView& view, Scheduler& scheduler);
    PenaltyNotice(const PenaltyNotice&) = delete;
    PenaltyNotice& operator=(const PenaltyNotice&) = delete;

    // What the window shows.
    std::string Caption = "     ::  PENALIDADE  ::";
    std::string lossLead = "Você vai perder";
    std::string penaltyPoints;
    std::string pointsUnit = "pontos";
    std::array<std::string, 5> ruleLines{"Regra: ", "", "Você perde 20 pontos por cada segundo ",
                                         "acima do tempo do seu adversário.", " "};
    bool visible() const { return m_visible; }
    /// Not open: never shown, or its count-down has ended.
    bool closed() const { return !m_open; }

    int PenaltyStepsLeft = 0;
    Timer countdownTimer;

    /// Fills the texts for the slower player once GameTime1, GameTime2 and
    /// PenaltyPoints are known.
    void fill();
    /// The notice opens: shown, and modal until its count-down ends.
    void open();
    /// Hides the notice and starts counting the penalty off the score label.
    void okClick();
    void countDownStep();

    /// Called after OK and after every step, when what the notice or the main
    /// window shows has changed without a window event of its own.
    void setOnChange(std::function<void()> onChange) { m_onChange = std::move(onChange); }

private:
    bool playerTwoSlower() const;
    void finish();
    void changed() const;

    MatchState& m_state;
    MainView& m_view;
    bool m_open = false;
    bool m_visible = false;
    std::function<void()> m_onChange;
};

} // namespace qv
