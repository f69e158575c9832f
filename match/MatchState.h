#pragma once

#include "match/Picture.h"

#include <array>
#include <cstdint>
#include <string>

namespace qv {

/// Figure set codes, compared exactly.
namespace category {
inline const std::string kFiguras1 = "Figuras1";
inline const std::string kFiguras2 = "Figuras2";
inline const std::string kSimbolos = "Símbolos";
inline const std::string kNumeros = "Números";
inline const std::string kPersonaliz = "Personaliz";
} // namespace category

/// Opponent modes, compared exactly and case-sensitively.
namespace mode {
inline const std::string kIndividual = "IND";
inline const std::string kOneBoard = "outro";
inline const std::string kOneAfterOther = "comoutro";
} // namespace mode

inline const std::string kSim = "SIM";
inline const std::string kNao = "NÃO";

/// Everything the main window knows about the settings and the running match; one
/// record for the whole run. Names are the game's own; positions count from 1, so
/// the tables keep an unused entry 0.
struct MatchState {
    // Settings
    int BlockCount = 24;
    int MaxBoardPoints = 1800;
    std::string FigureCategory = category::kFiguras1;
    std::string OpponentMode = mode::kIndividual;
    std::string RivalKind;
    int PlayerCount = 1;
    std::string PlayerName1;
    std::string PlayerName2;
    int TimeLimitSeconds = 0;
    int TimeLimitMinutes = 0;
    int TimeLimitSecondsPart = 0;
    int SettingsChanged = 0;

    // Match
    int BoardPoints = 0;
    int Score1 = 0;
    int Score2 = 0;
    int SharedScore1 = 0;
    int SharedScore2 = 0;
    int SecondTurn = 0;
    std::string PlayerOneRound;
    int RoundIndex = 0;
    std::string MatchPhase;
    int ClockMinutes = 0;
    int ClockSeconds = 0;
    int ElapsedSeconds = 0;
    std::int64_t ClockStart = 0; ///< steady milliseconds when the clock began counting
    int UsedMinutes = 0;
    int UsedSeconds = 0;
    int GameTime1 = 0;
    int GameTime2 = 0;
    int PenaltyPoints = 0;
    std::string LostFlag;
    int WinTally1 = 0;
    int WinTally2 = 0;

    // Board and try
    std::array<Picture, 13> CategoryImages{};
    std::array<Picture, 25> PairDeck{};
    std::array<Picture, 25> SlotFigure{};
    int BoardShrunk = 0;
    int FaceWidth = 0;
    Picture FirstFigure;
    Picture SecondFigure;
    int ClickCount = 0;
    int ClickedCover = 0; ///< positions 1..24 name a block's cover and face; 0 none
    int FirstCover = 0;
    int SecondCover = 0;
    int FirstFace = 0;
    int SecondFace = 0;
    std::string TryMarker;
    int BlinkStep = 0;
    int WaitTicks = 0;
    bool ClickArmed = false;
    int ComputerMoving = 0;

    // Computer opponent
    std::array<int, 3> LevelAttempts{}; ///< set to level 1's by the computer opponent
    std::string LevelCode;
    int AttemptLimit = 0;
    int AttemptIndex = 0;
    int ComputerAttempt = 0;
    int ComputerPick = 0;
    int HumanFirstPos = 0;
    int HumanSecondPos = 0;
    std::array<int, 25> SlotSeen{};
    int ComputerWaitTicks = 0;
    int ComputerWaitCount = 0;

    // Game definition dialog
    int DefinirAsksTime = 0;
    std::string DefinirFromButton;

    // End-of-match display
    int EndAnimInterval = 0;
    int EndAnimFrame = 0;
    int LetterStep = 0;
    std::array<Picture, 8> WinFrames{};
    std::array<Picture, 4> LoseFrames{};

    // Records and sound
    int RecordCandidateScore = 0;
    std::string RecordCandidateName;
    int RecordCandidateSeconds = 0;
    std::string RecordCandidateTimeText;
    int RecordsSettled = 0;
    std::string EndSoundPlayed;
};

} // namespace qv
