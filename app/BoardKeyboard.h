#pragma once

#include <QObject>

namespace qv {

class FocusFrame;
class PictureBox;
class MainWindow;

/// Plays the board from the keyboard. The arrows move a frame over the blocks
/// still on the board (left and right run on to the next row), Home and End go to
/// the first and the last, and Space or Enter presses the framed block exactly as
/// a click does. The keys arrive at the window's focus holder, which keeps the
/// focus as ever; the frame shows only once one of these keys was used.
class BoardKeyboard final : public QObject {
public:
    BoardKeyboard(MainWindow& window, QWidget& focusHolder, QWidget& board);

    /// The framed block, 0 while the frame is not shown.
    int pointed() const { return m_pointed; }
    /// Follows the board after every event: a framed block that left the board
    /// hands the frame on to the next one.
    void update();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    /// The widget a person sees at a position: the cover while it lies on the
    /// block, else the face.
    PictureBox* shownBlock(int position) const;
    bool onBoard(int position) const;
    /// The next block on the board from `position`, stepping by `step` with wrap.
    int next(int position, int step) const;
    int first() const;
    int last() const;
    void point(int position);
    void turn();

    MainWindow& m_window;
    FocusFrame* m_frame;
    int m_pointed = 0;
};

} // namespace qv
