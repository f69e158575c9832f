#pragma once

namespace qv {

/// The game definition window as choosing the computer for an opponent reaches
/// it: the window may already be up, else it is made, and its panel of the
/// computer's levels is shown.
class LevelPanel {
public:
    virtual ~LevelPanel() = default;
    virtual bool isOpen() const = 0;
    /// A new window offering opponents (asksTime false) or time limits.
    virtual void create(bool asksTime) = 0;
    virtual void showLevelPanel() = 0;
};

} // namespace qv
