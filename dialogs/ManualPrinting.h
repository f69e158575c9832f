#pragma once

#include <string>
#include <vector>

namespace qv {

class Dialogs;
class TextPrinter;

inline constexpr const char* kPrintQuestion =
    "Deseja imprimir esse manual de instruções?\n\n\nSão 3 páginas";
inline constexpr const char* kPrintQuestionCaption = "Impressão de Manual";
inline constexpr const char* kPrintFailed = "Error de impressão de texto.";

/// "&Imprimir" of the instructions window: asks first, then prints `lines`, one
/// printed line each, empty ones included. A job that was started is always
/// ended, and any failure is told in an error box.
void printManual(const std::vector<std::string>& lines, Dialogs& dialogs, TextPrinter& printer);

} // namespace qv
