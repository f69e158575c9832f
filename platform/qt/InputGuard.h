#pragma once

#include <QObject>

#include <functional>

class QEvent;

namespace qv {

/// Swallows a person's input (mouse, keys, shortcuts, touch, a window manager's
/// close request) to every object for which `blocks` is true, while it lives.
/// Unlike disabling, it leaves every widget looking exactly as it did.
class InputGuard final : public QObject {
public:
    explicit InputGuard(std::function<bool(QObject*)> blocks);
    ~InputGuard() override;
    InputGuard(const InputGuard&) = delete;
    InputGuard& operator=(const InputGuard&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<bool(QObject*)> m_blocks;
};

} // namespace qv
