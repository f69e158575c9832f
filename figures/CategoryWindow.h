#pragma once

#include <QDialog>

#include <array>

class QLabel;

namespace qv {

class Deal;
struct MatchState;
class SoundCues;
class FrameBox;
class CategoryPicture;

/// The figure category chooser: five pictures, one per figure set; the one under
/// the mouse (or with the keyboard's focus) is framed and its caption lit, and a
/// click on it or its caption, or Space or Enter, makes it the set of the next deal.
class CategoryWindow final : public QDialog {
public:
    /// A choice goes into `state`, sounds on `sound` and, for the player's own
    /// photos, has `deal` load them.
    CategoryWindow(MatchState& state, SoundCues& sound, Deal& deal, QWidget* owner);

    /// Lights picture `index` (0..4): its frame shows, its caption turns white.
    void pictureHovered(int index);
    void pictureClicked(int index);

    QLabel* caption(int index) const { return m_captions[static_cast<std::size_t>(index)]; }
    QWidget* picture(int index) const;
    QWidget* frame(int index) const;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void buildBubble();
    /// Hints are yellow while the chooser is open and white once it has closed.
    void useOpenHintColour();
    void useClosedHintColour();

    MatchState& m_state;
    SoundCues& m_sound;
    Deal& m_deal;
    std::array<CategoryPicture*, 5> m_pictures{};
    std::array<FrameBox*, 5> m_frames{};
    std::array<QLabel*, 5> m_captions{};
};

/// Opens the chooser modally over the main window.
void runCategoryChooser(MatchState& state, SoundCues& sound, Deal& deal, QWidget* owner);

} // namespace qv
