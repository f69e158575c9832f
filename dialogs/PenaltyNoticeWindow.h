#pragma once

#include <QDialog>

#include <functional>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace qv {

class PenaltyNotice;

/// The penalty notice's window: yellow, no title-bar buttons, created once and
/// kept hidden between matches. It shows what PenaltyNotice holds and forwards OK.
class PenaltyNoticeWindow final : public QDialog {
public:
    PenaltyNoticeWindow(PenaltyNotice& notice, QWidget* owner);

    PenaltyNotice& notice() { return m_notice; }
    /// Brings the texts and the visibility in line with the notice.
    void render();

protected:
    /// Only the count-down closes the notice, never the window manager.
    void closeEvent(QCloseEvent* event) override;
    /// Escape does not close it either.
    void reject() override {}

private:
    PenaltyNotice& m_notice;
    QLabel* m_lossLead = nullptr;
    QLabel* m_points = nullptr;
    QLabel* m_pointsUnit = nullptr;
    QPlainTextEdit* m_rule = nullptr;
    QPushButton* m_ok = nullptr;
};

/// Opens the notice over its owner and returns once its count-down has ended.
/// Until then the rest of the program takes no input, also after OK has hidden
/// the notice; `renderMainWindow` runs after every step so the score visibly
/// counts down.
void runPenaltyNotice(PenaltyNotice& notice, PenaltyNoticeWindow& window,
                      std::function<void()> renderMainWindow);

} // namespace qv
