#pragma once

#include <set>
#include <string>

namespace qv::test {

/// Every message the records routines may show.
inline const std::set<std::string> kRecordsMessages{
    "Houve um erro no acesso a base de dados dos records\n"
    "Provavelmente alguém alterou o arquivo de dados dos records deste jogo.\n"
    "Você terá que excluir arquivo de dados dos records que alteraram\n"
    "mas, todos os records gravados serão perdidos. Assim, volta-se ao normal.",
    "Erro ao gravar records!\nSe persistir, contate o suporte",
    "Houve uma pequena falha, se persistir, contate o Suporte Técnico.",
    "PARABÉNS, Você quebrou um dos records de MELHOR PONTUAÇÃO!",
    "PARABÉNS, Você quebrou um dos records deste jogo!",
    "ÓTIMO, você também quebrou um record de MELHOR TEMPO!",
    "PARABÉNS, Você quebrou um record de MELHOR TEMPO!",
    "PARABÉNS, Você quebrou um dos records deste jogo\nCONTRA O COMPUTADOR SUPERDOTADO!",
    "PARABÉNS, Você quebrou um dos records deste jogo\nCONTRA O COMPUTADOR INTELIGENTE!",
};

/// Every caption of the records' name prompt.
inline const std::set<std::string> kRecordsNameCaptions{
    "Parabéns! Record de Melhor Ponto!",
    "Parabéns! Record de Maior Ponto!",
    "PARABÉNS!Record de MELHOR TEMPO!",
    "PARABÉNS! Record de MELHOR TEMPO!",
};

/// Whether the text is well-formed UTF-8, so the window can show it as it is.
inline bool validUtf8(const std::string& text) {
    std::size_t pending = 0;
    for (unsigned char c : text) {
        if (pending > 0) {
            if ((c & 0xC0) != 0x80)
                return false;
            --pending;
        } else if (c >= 0xF0 && c <= 0xF4) {
            pending = 3;
        } else if (c >= 0xE0 && c <= 0xEF) {
            pending = 2;
        } else if (c >= 0xC2 && c <= 0xDF) {
            pending = 1;
        } else if (c >= 0x80) {
            return false;
        }
    }
    return pending == 0;
}

} // namespace qv::test
