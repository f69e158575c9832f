#include "match/SpokenText.h"

#include "match/FigureNames.h"
#include "match/MainView.h"

namespace qv::spoken {

namespace {

/// A label still holding its design placeholder says nothing yet.
std::string shown(const MainView& view, std::string_view name) {
    const Control& control = view[name];
    return control.caption == control.name ? std::string() : control.caption;
}

std::string withValue(std::string title, const std::string& value) {
    return value.empty() ? title : title + ": " + value;
}

/// With two names on the board, points and wins say whose they are.
std::string whose(const MainView& view, const char* title, std::string_view player,
                  const char* fallback) {
    if (shown(view, "Label5").empty())
        return title;
    const std::string name = shown(view, player);
    return std::string(title) + " " + (name.empty() ? fallback : "de " + name);
}

} // namespace

std::string closedBlock(int position) {
    return "Bloco " + std::to_string(position) + ", fechado";
}

std::string openBlock(int position, Picture figure) {
    return "Bloco " + std::to_string(position) + ", aberto: " + figureName(figure);
}

std::string scoreLabel(const MainView& view, std::string_view name) {
    const std::string caption = shown(view, name);
    if (name == "Label4")
        return withValue(whose(view, "Pontos", "Label3", "do 1º jogador"), caption);
    if (name == "Label6")
        return withValue(whose(view, "Pontos", "Label5", "do 2º jogador"), caption);
    if (name == "Label3")
        return withValue("1º jogador", caption);
    if (name == "Label5")
        return withValue("2º jogador", caption);
    if (name == "Label9") {
        // Without a time limit the clock shows a word, not a time.
        const bool time = caption.empty() || caption.find(':') != std::string::npos;
        return withValue(time ? "Tempo restante" : "Tempo", caption);
    }
    if (name == "Label1" || name == "Label7")
        return withValue("Tempo usado", caption);
    if (name == "PT_JG1" || name == "PT_JG2") {
        const std::string player = shown(view, name == "PT_JG1" ? "Label14" : "Label16");
        return withValue(player.empty() ? "Vitórias" : "Vitórias de " + player, caption);
    }
    if (name == "Label2")
        return withValue("Resultado", caption);
    return {};
}

} // namespace qv::spoken
