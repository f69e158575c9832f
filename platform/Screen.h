#pragma once

namespace qv {

struct ScreenSize {
    int width = 0;
    int height = 0;
};

/// The size of the screen the main window opens on, in pixels at 96 dpi.
class Screen {
public:
    virtual ~Screen() = default;
    virtual ScreenSize size() const = 0;
    /// Device pixels per design pixel; pictures are decoded at that density.
    virtual double devicePixelRatio() const { return 1.0; }
};

} // namespace qv
