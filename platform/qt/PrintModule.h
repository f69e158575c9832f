#pragma once

#include "platform/TextPrinter.h"

namespace qv {

/// What the print module offers: a new text printer on the system's default
/// printer, owned by the caller.
using MakeDefaultPrinter = TextPrinter* (*)();
inline constexpr const char* kMakeDefaultPrinter = "quorvanella_make_default_printer";

} // namespace qv
