#include "match/FigureNames.h"

#include <array>

namespace qv {

namespace {

using Names = std::array<const char*, holders::kFiguresPerCategory>;

// In the order the figure sets are drawn, so holder n of a category names
// what its picture shows.
constexpr Names kFiguras1{"gato",   "cachorro", "leão",      "sapo",
                          "porco",  "macaco",   "panda",     "coelho",
                          "raposa", "coruja",   "tartaruga", "carinha sorridente"};
constexpr Names kSimbolos{"coração", "estrela", "nota musical", "raio", "lua",   "sol",
                          "âncora",  "chave",   "sino",         "gota", "folha", "seta"};
constexpr Names kFiguras2{"bola de futebol",
                          "moinho de vento",
                          "bandeira quadriculada",
                          "medalha",
                          "pipa",
                          "veleiro",
                          "guitarra",
                          "foguete",
                          "guarda-chuva",
                          "casa",
                          "bicicleta",
                          "balão"};

enum Category { Figuras1, Simbolos, Numeros, Figuras2, Personaliz };

} // namespace

std::string figureName(Picture figure) {
    if (figure.empty() || figure.holder >= holders::kFirstWinFrame)
        return {};
    const int category = (figure.holder - 1) / holders::kFiguresPerCategory;
    const int n = (figure.holder - 1) % holders::kFiguresPerCategory + 1;
    const auto index = static_cast<std::size_t>(n - 1);
    switch (category) {
    case Figuras1:
        return kFiguras1[index];
    case Simbolos:
        return kSimbolos[index];
    case Numeros:
        return "número " + std::to_string(n);
    case Figuras2:
        return kFiguras2[index];
    default:
        return "foto " + std::to_string(n);
    }
}

} // namespace qv
