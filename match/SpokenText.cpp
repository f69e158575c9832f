#include "match/SpokenText.h"

#include "match/FigureNames.h"
#include "match/MainView.h"

namespace qv::spoken {

namespace {

/// A label still holding its design placeholder says nothing yet.
std::string shown(const MainView& view, Role label) {
    const Control& control = view[label];
    return control.caption == control.name ? std::string() : control.caption;
}

std::string withValue(std::string title, const std::string& value) {
    return value.empty() ? title : title + ": " + value;
}

/// With two names on the board, points and wins say whose they are.
std::string whose(const MainView& view, const char* title, Role player, const char* fallback) {
    if (shown(view, Role::Player2Name).empty())
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

std::string scoreLabel(const MainView& view, Role label) {
    const std::string caption = shown(view, label);
    switch (label) {
    case Role::Player1Points:
        return withValue(whose(view, "Pontos", Role::Player1Name, "do 1º jogador"), caption);
    case Role::Player2Points:
        return withValue(whose(view, "Pontos", Role::Player2Name, "do 2º jogador"), caption);
    case Role::Player1Name:
        return withValue("1º jogador", caption);
    case Role::Player2Name:
        return withValue("2º jogador", caption);
    case Role::Clock: {
        // Without a time limit the clock shows a word, not a time.
        const bool time = caption.empty() || caption.find(':') != std::string::npos;
        return withValue(time ? "Tempo restante" : "Tempo", caption);
    }
    case Role::Player1Time:
    case Role::Player2Time:
        return withValue("Tempo usado", caption);
    case Role::TallyWins1:
    case Role::TallyWins2: {
        const std::string player =
            shown(view, label == Role::TallyWins1 ? Role::TallyName1 : Role::TallyName2);
        return withValue(player.empty() ? "Vitórias" : "Vitórias de " + player, caption);
    }
    case Role::ResultText:
        return withValue("Resultado", caption);
    default:
        return {};
    }
}

} // namespace qv::spoken
