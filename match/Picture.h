#pragma once

namespace qv {

/// A picture held by one of the main window's hidden picture holders. Two blocks
/// match when their figures come from the same holder, never because two pictures
/// look alike, so a picture is known by its holder's number.
struct Picture {
    int holder = 0; ///< 0: no picture

    bool empty() const { return holder == 0; }
    friend bool operator==(Picture, Picture) = default;
};

/// Numbers of the hidden holders: five categories of twelve figures, then the
/// seven frames of the winning animation and the three of the losing one.
namespace holders {
inline constexpr int kFiguresPerCategory = 12;
inline constexpr int kCategoryCount = 5;
inline constexpr int kFirstWinFrame = kCategoryCount * kFiguresPerCategory + 1;
inline constexpr int kWinFrameCount = 7;
inline constexpr int kFirstLoseFrame = kFirstWinFrame + kWinFrameCount;
inline constexpr int kLoseFrameCount = 3;
inline constexpr int kCount = kFirstLoseFrame + kLoseFrameCount - 1;

/// category 0..4 in the order Figuras1, Símbolos, Números, Figuras2, Personaliz; n 1..12.
constexpr Picture figure(int category, int n) {
    return {category * kFiguresPerCategory + n};
}
constexpr Picture winFrame(int n) {
    return {kFirstWinFrame + n - 1};
}
constexpr Picture loseFrame(int n) {
    return {kFirstLoseFrame + n - 1};
}
} // namespace holders

} // namespace qv
