#pragma once

namespace qv {

/// Lets screen readers see picture controls as what they are: a block or a
/// picture button that can be pressed, or a named picture. Safe to call often;
/// it registers once.
void registerPictureBoxAccessibility();

} // namespace qv
