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

/// Who plays against whom.
enum class PlayMode {
    Alone,         ///< one person against the clock
    OneBoard,      ///< two contenders take turns on one board
    OneAfterOther, ///< two people play one game each, each against the clock
};

/// How the latest try stands while its blocks still show.
enum class TryState {
    None,
    PairShown,  ///< a pair: its faces leave the board after the pause
    MissShown,  ///< a miss: its covers close after the pause
    MissClosed, ///< a miss whose covers the next click closed before the pause ended
};

/// Where the match stands for the match clock's next tick.
enum class MatchPhase {
    None,
    Starting,      ///< the next tick begins a game
    Playing,       ///< a game runs
    FirstTimedOut, ///< the first player's time ran out; the second one starts next
    Stopped,       ///< "PARAR" cancelled the match
    SeriesOver,    ///< both players of a series have played
};

/// The sound at the end of a match plays once, and only after a deal.
enum class EndSound {
    None,   ///< no match dealt yet
    Due,    ///< the end of this match has not sounded yet
    Played, ///< it has; a last pair leaving the board stays quiet
};

/// Everything the main window knows about the settings and the running match; one
/// record for the whole run. Positions count from 1, so the tables keep an unused
/// entry 0.
struct MatchState {
    // Settings
    int BlockCount = 24;
    int MaxBoardPoints = 1800;
    std::string FigureCategory = category::kFiguras1;
    PlayMode OpponentMode = PlayMode::Alone;
    bool RivalIsComputer = false;
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
    bool FirstPlayerPlays = false; ///< one after the other: the game under way is player 1's
    int RoundIndex = 0;
    MatchPhase Phase = MatchPhase::None;
    int ClockMinutes = 0;
    int ClockSeconds = 0;
    int ElapsedSeconds = 0;
    std::int64_t ClockStart = 0; ///< steady milliseconds when the clock began counting
    int UsedMinutes = 0;
    int UsedSeconds = 0;
    int GameTime1 = 0;
    int GameTime2 = 0;
    int PenaltyPoints = 0;
    bool LostAlone = false; ///< a game alone ended without a win
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
    TryState Try = TryState::None;
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
    int DefinitionAsksTime = 0;
    bool DefinitionFromPlayerButton = false; ///< the dialog was opened by "Jogador"

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
    EndSound EndSoundState = EndSound::None;
};

} // namespace qv
