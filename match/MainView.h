#pragma once

#include "match/Picture.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const Rect&, const Rect&) = default;
};

struct Rgb {
    int r = 0;
    int g = 0;
    int b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

namespace colors {
inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kMaroon{128, 0, 0};
inline constexpr Rgb kGreen{0, 128, 0};
inline constexpr Rgb kLime{0, 255, 0};
inline constexpr Rgb kBlue{0, 0, 255};
inline constexpr Rgb kNavy{0, 0, 128};
inline constexpr Rgb kAqua{0, 255, 255};
inline constexpr Rgb kYellow{255, 255, 0};
inline constexpr Rgb kOlive{128, 128, 0};
inline constexpr Rgb kSilver{192, 192, 192};
inline constexpr Rgb kGray128{128, 128, 128};
inline constexpr Rgb kGray158{158, 158, 158};
inline constexpr Rgb kMenu{240, 240, 240};
} // namespace colors

enum class ControlKind { Panel, Label, Picture, Bevel, Shape, Button, CheckBox };
enum class Align { Left, Right, Center };

/// One control of the main window as the rules see it. Positions are pixels
/// relative to the parent's client area, already scaled for the screen.
struct Control {
    std::string name;
    std::string parent; ///< empty: the window's client area
    ControlKind kind = ControlKind::Label;
    Rect bounds;
    std::string caption;
    bool visible = true;
    bool enabled = true; ///< for pictures: takes clicks; their look never changes
    bool checked = false;
    Rgb color; ///< text colour; a panel's or shape's fill
    int fontPoints = 8;
    bool bold = false;
    Align align = Align::Left;
    std::string hint;
    Picture picture;
};

struct FormState {
    int left = 79;
    int top = 23;
    int clientWidth = 609;
    int clientHeight = 400;
    bool enabled = true;
    double scale = 1.0; ///< 1.2 on a screen exactly 800 pixels wide; fonts grow with it
};

/// Check marks of the menu entries that the settings tick.
struct MenuMarks {
    bool N300 = true;
    bool N200 = false;
    bool N100 = false;
    bool N45 = false;
    bool N24Blocos1 = true;
    bool N16Blocos1 = false;
    bool Individual1 = true;
    bool Participantes1 = false;
};

/// The visible state of the main window: one entry per control the rules touch,
/// laid out as the window's design has it. The window renders it after every
/// event, and tests read it by the names a person sees.
class MainView {
public:
    MainView();
    MainView(const MainView&) = delete;
    MainView& operator=(const MainView&) = delete;

    FormState form;
    MenuMarks menu;
    /// The control the rules want to hold the keyboard focus; the window gives it
    /// the focus once, when no menu, box or dialog is open, and clears the request.
    std::string focus;

    /// Board position 1..24.
    Control& cover(int position) { return *m_cover[static_cast<std::size_t>(position)]; }
    Control& face(int position) { return *m_face[static_cast<std::size_t>(position)]; }
    Control& frame(int position) { return *m_frame[static_cast<std::size_t>(position)]; }
    const Control& cover(int position) const {
        return *m_cover[static_cast<std::size_t>(position)];
    }
    const Control& face(int position) const { return *m_face[static_cast<std::size_t>(position)]; }
    const Control& frame(int position) const {
        return *m_frame[static_cast<std::size_t>(position)];
    }

    /// The control with this object name; throws std::out_of_range for an unknown name.
    Control& operator[](std::string_view name);
    const Control& operator[](std::string_view name) const;

    /// Every control in creation order (parents before children, bottom to top).
    std::vector<Control>& controls() { return m_controls; }
    const std::vector<Control>& controls() const { return m_controls; }

private:
    std::vector<Control> m_controls;
    std::array<Control*, 25> m_cover{};
    std::array<Control*, 25> m_face{};
    std::array<Control*, 25> m_frame{};
};

/// Object names of the board, by position 1..24 (entry 0 unused).
const std::array<const char*, 25>& coverNames();
const std::array<const char*, 25>& faceNames();
const std::array<const char*, 25>& frameNames();

/// Labels whose design caption only stands for what the rules write there later
/// (names, points, times, the clock, the winner's letters). They start empty, so a
/// person never sees a stand-in, whatever the rules write afterwards.
const std::vector<std::string>& designPlaceholders();

/// The winner's letters L1..L10 and the loser's letters LB0..LB5.
std::string letterName(int n);
std::string loserLetterName(int n);

} // namespace qv
