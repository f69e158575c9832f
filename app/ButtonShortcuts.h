#pragma once

#include "match/MainView.h"

#include <QString>

#include <functional>
#include <string>

class QAbstractButton;
class QWidget;

namespace qv {

/// The keys of the main window's big buttons: F2 presses JOGAR, Esc PARAR.
/// Function keys and Esc leave the menus' Alt letters free.

/// The hint of a control with its key, if it has one: "Iniciar Jogo (F2)".
QString hintWithShortcut(const std::string& control, const std::string& hint);

/// Makes the keys press their buttons in `window` as a click does; a greyed
/// button ignores them, and a modal dialog keeps them away.
void addButtonShortcuts(QWidget& window, const std::function<QAbstractButton*(Role)>& button);

} // namespace qv
