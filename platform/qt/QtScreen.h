#pragma once

#include "platform/Screen.h"

namespace qv {

class QtScreen final : public Screen {
public:
    ScreenSize size() const override;
    double devicePixelRatio() const override;
};

} // namespace qv
