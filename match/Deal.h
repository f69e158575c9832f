#pragma once

#include <utility>

namespace qv {

class Game;

/// Starting a match: the board is reset, the figures of the category are dealt
/// twice each in a random arrangement, and the blocks are opened.
class Deal {
public:
    explicit Deal(Game& game) : m_game(game) {}

    /// "&Iniciar".
    void onNewMatch();
    /// "JOGAR": as "&Iniciar", then the computer forgets what it has seen.
    void onPlay();

    void NOVOJOGO();
    void analisa();
    void Definibloco();
    /// Collapses the faces so nothing of the arrangement shows while it is dealt.
    void Reduzirdes();
    void AmpliarDes();

    /// Starts decoding the player's photos in the background at the size the next
    /// deal will ask for, so that it finds them ready.
    void preloadPhotos();

private:
    /// The size of a face in device pixels, as a deal now would take it.
    std::pair<int, int> photoSize(int faceWidth) const;
    /// Loads the player's photos into their holders; false, after telling the
    /// player which file is missing, when one cannot be read.
    bool loadPhotos();

    Game& m_game;
};

} // namespace qv
