#include "app/Announcer.h"
#include "app/MainWindow.h"
#include "match/FigureNames.h"
#include "platform/qt/QtScreen.h"
#include "tests/fakes/TestPorts.h"
#include "tests/ui/KeyboardPlayer.h"

#include <QAccessible>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include <gtest/gtest.h>

namespace qv::test {
namespace {

struct Accessible {
    QString name;
    QString description;
    QAccessible::Role role;
    QAccessible::State state;
};

/// Everything a screen reader finds below the window, as it walks the tree.
std::vector<Accessible> walk(QWidget& window) {
    std::vector<Accessible> found;
    std::vector<QAccessibleInterface*> pending{QAccessible::queryAccessibleInterface(&window)};
    for (int guard = 0; !pending.empty() && guard < 5000; ++guard) {
        QAccessibleInterface* node = pending.back();
        pending.pop_back();
        found.push_back({node->text(QAccessible::Name), node->text(QAccessible::Description),
                         node->role(), node->state()});
        for (int n = 0; n < node->childCount(); ++n) {
            if (QAccessibleInterface* child = node->child(n))
                pending.push_back(child);
        }
    }
    return found;
}

/// What a screen reader says a person can see with this name; nullptr if none.
std::optional<Accessible> seen(QWidget& window, const QString& name) {
    for (const Accessible& node : walk(window)) {
        if (node.name == name && !node.state.invisible)
            return node;
    }
    return std::nullopt;
}

std::optional<Accessible> entry(QWidget& window, const QString& name) {
    for (const Accessible& node : walk(window)) {
        if (node.name == name && node.role == QAccessible::MenuItem)
            return node;
    }
    return std::nullopt;
}

QString block(int k, const char* state) {
    return QStringLiteral("Bloco %1, %2").arg(k).arg(QString::fromUtf8(state));
}

class Accessibility : public ShownMainWindow {
protected:
    QString figure(int k) {
        return QString::fromStdString(
            figureName(window.game().state.SlotFigure[static_cast<std::size_t>(k)]));
    }
};

TEST_F(Accessibility, BlocksButtonsMenuEntriesAndTheBoardHaveNamesAndStates) {
    for (int k = 1; k <= 24; ++k) {
        const auto closed = seen(window, block(k, "fechado"));
        ASSERT_TRUE(closed) << k;
        EXPECT_EQ(closed->role, QAccessible::Button);
        EXPECT_TRUE(closed->state.disabled) << "no block takes a click before a match";
    }
    const std::vector<Accessible> nodes = walk(window);
    for (const Accessible& node : nodes)
        EXPECT_FALSE(node.name.contains("aberto") && !node.state.invisible)
            << "a face under its cover gives nothing away: " << node.name.toStdString();

    const std::pair<const char*, const char*> buttons[] = {
        {"JOGAR", "Iniciar Jogo (F2)"},
        {"PARAR", "Cancela a partida atual... (Esc)"},
        {"Records", "Veja os melhores Records!"}};
    for (const auto& [name, description] : buttons) {
        const auto button = seen(window, name);
        ASSERT_TRUE(button) << name;
        EXPECT_EQ(button->description, description);
    }
    const auto board = seen(window, "Tabuleiro");
    ASSERT_TRUE(board);
    EXPECT_TRUE(board->state.focused) << "the board holds the focus";
    EXPECT_TRUE(board->description.contains("Setas"));
    const auto sound = std::find_if(nodes.begin(), nodes.end(), [](const Accessible& node) {
        return node.role == QAccessible::CheckBox;
    });
    ASSERT_NE(sound, nodes.end());
    EXPECT_EQ(sound->name, "Som");
    EXPECT_TRUE(sound->state.checked);

    ASSERT_TRUE(entry(window, "3:00 min"));
    EXPECT_TRUE(entry(window, "3:00 min")->state.checked);
    EXPECT_FALSE(entry(window, "0:45 seg")->state.checked);
    EXPECT_TRUE(entry(window, "Iniciar"));
    EXPECT_TRUE(entry(window, "Parar"));
    EXPECT_TRUE(entry(window, "Individual")->state.checked);
}

TEST_F(Accessibility, NamesFollowTheMatch) {
    player.press(Qt::Key_F2);
    player.wait(100);
    EXPECT_TRUE(seen(window, "Tempo restante: 3:00"));
    EXPECT_TRUE(seen(window, "Pontos: 0"));
    EXPECT_TRUE(seen(window, QString::fromUtf8("1º jogador: INDIVIDUAL")));
    player.wait(1000);
    EXPECT_TRUE(seen(window, "Tempo restante: 2:59"));

    const auto [a, b] = player.pairs().at(0);
    player.turn(a);
    const QString open = block(a, "aberto: ") + figure(a);
    const auto face = seen(window, open);
    ASSERT_TRUE(face) << open.toStdString();
    EXPECT_TRUE(face->state.focused) << "the framed block is the one a screen reader reads";
    EXPECT_FALSE(seen(window, block(a, "fechado")));

    player.turn(b);
    EXPECT_TRUE(seen(window, block(b, "aberto: ") + figure(b)));
    EXPECT_TRUE(seen(window, "Pontos: 150"));
    player.wait(400);
    EXPECT_FALSE(seen(window, open)) << "the pair left the board";
}

/// The news a screen reader is given, both as the announcer says it and as the
/// notification it finds in the window.
class Announcements : public Accessibility {
protected:
    void SetUp() override {
        Accessibility::SetUp();
        auto* announcer = window.findChild<Announcer*>();
        ASSERT_NE(announcer, nullptr);
        QObject::connect(announcer, &Announcer::said,
                         [this](const QString& text) { m_said.push_back(text); });
    }
    /// The last news, after checking the window's notification carries it.
    QString lastNews() {
        if (m_said.empty())
            return {};
        const std::vector<Accessible> nodes = walk(window);
        EXPECT_TRUE(std::any_of(nodes.begin(), nodes.end(), [&](const Accessible& node) {
            return node.role == QAccessible::Notification && node.name == m_said.back() &&
                   !node.state.invisible;
        })) << m_said.back().toStdString();
        return m_said.back();
    }

private:
    std::vector<QString> m_said;
};

TEST_F(Announcements, APairAMissAndTheEndAreSpokenAsTheyHappen) {
    player.press(Qt::Key_F2);
    player.wait(100);
    EXPECT_EQ(lastNews(), "Partida iniciada. Tempo restante: 3:00.");

    const auto pairs = player.pairs();
    const auto [a, b] = pairs.at(0);
    player.turn(a);
    EXPECT_EQ(lastNews(), QStringLiteral("Bloco %1: %2.").arg(a).arg(figure(a)));
    player.turn(b);
    EXPECT_EQ(lastNews(),
              QStringLiteral("Bloco %1: %2. Par encontrado! Pontos: 150.").arg(b).arg(figure(b)));
    player.wait(400);

    const int x = pairs.at(1).first;
    const int y = pairs.at(2).first;
    player.turn(x);
    player.turn(y);
    EXPECT_TRUE(lastNews().endsWith(QString::fromUtf8("Não é par. Pontos: 125.")))
        << lastNews().toStdString();

    fakes.dialogs.answer(Answer::Yes);
    player.press(Qt::Key_Escape);
    EXPECT_EQ(lastNews(), "Partida cancelada!");
}

// Qt hands its accessibility events on only to a platform bridge, which the
// offscreen platform has none of; these tests read the tree a screen reader
// queries, at every tick (scripts/try-screen-reader listens on the real bus).

TEST_F(Accessibility, AnOpenMenuKeepsTheFocusThroughFiftyTicksOfAMatchAndOfTheEnd) {
    window.game().settings.onFortyFiveSeconds();
    player.press(Qt::Key_F2);
    player.wait(100);
    QMenu* menu = window.menuBar()->findChild<QMenu*>(QStringLiteral("gameMenu"));
    ASSERT_NE(menu, nullptr);
    // A pair found just before the menu opens: it leaves the board and the frame
    // moves on while the menu is open.
    const auto [a, b] = player.pairs().at(0);
    player.turn(a);
    player.turn(b);
    for (const char* moment : {"a match", "the end animation"}) {
        SCOPED_TRACE(moment);
        // Alt+J, as a keyboard player opens it: the menu bar takes the focus.
        QTest::keyClick(&window, Qt::Key_J, Qt::AltModifier);
        ASSERT_EQ(QApplication::activePopupWidget(), menu);
        QWidget* inMenu = QApplication::focusWidget();
        ASSERT_NE(inMenu, window.control(Role::FocusHolder));
        for (int tick = 0; tick < 50; ++tick) {
            player.wait(100);
            ASSERT_EQ(QApplication::focusWidget(), inMenu) << "tick " << tick;
            EXPECT_FALSE(seen(window, "Tabuleiro")->state.focused) << "tick " << tick;
        }
        EXPECT_EQ(QApplication::activePopupWidget(), menu);
        QTest::keyClick(menu, Qt::Key_Escape);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        player.wait(40 * 1000); // the time runs out: the end animation plays
    }
    EXPECT_TRUE(window.game().timers.endAnimation.running());
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}

TEST_F(Accessibility, ATurningBlockStaysFocusedAsItsFaceThroughTheCoversFlash) {
    player.press(Qt::Key_F2);
    player.wait(100);
    const int k = player.pairs().at(0).first;
    player.goTo(k);
    player.press(Qt::Key_Space);
    const QString open = block(k, "aberto: ") + figure(k);
    for (int tick = 0; tick < 4; ++tick) {
        const auto face = seen(window, open);
        ASSERT_TRUE(face) << "tick " << tick;
        EXPECT_TRUE(face->state.focused) << "tick " << tick;
        const auto cover = seen(window, block(k, "fechado"));
        EXPECT_FALSE(cover && cover->state.focused) << "the cover flashed: tick " << tick;
        player.wait(30);
    }
}

TEST_F(Accessibility, AReaderThatComesLateStillFindsTheLastPairBeforeTheEnd) {
    window.game().settings.onSixteenBlocks();
    player.press(Qt::Key_F2);
    player.wait(100);
    auto pairs = player.pairs();
    const auto last = pairs.back();
    pairs.pop_back();
    for (const auto& [a, b] : pairs) {
        player.turn(a);
        player.turn(b);
        player.wait(400);
    }
    player.turn(last.first);
    player.turn(last.second);
    player.wait(100); // the tick that finds the board cleared
    ASSERT_FALSE(window.game().matchInProgress());
    QStringList notes;
    for (const Accessible& node : walk(window)) {
        if (node.role == QAccessible::Notification && !node.state.invisible)
            notes << node.name;
    }
    const QString pair = QStringLiteral("Bloco %1: %2. Par encontrado! Pontos: 1200.")
                             .arg(last.second)
                             .arg(figure(last.second));
    EXPECT_EQ(notes.count(pair), 1) << notes.join(" | ").toStdString();
    EXPECT_EQ(notes.filter(QStringLiteral("Fim da partida.")).size(), 1)
        << notes.join(" | ").toStdString();
}

TEST_F(Accessibility, TheFramedBlockIsTheFocusedOne) {
    player.press(Qt::Key_End);
    EXPECT_TRUE(seen(window, block(24, "fechado"))->state.focused);
    player.press(Qt::Key_Left);
    EXPECT_TRUE(seen(window, block(23, "fechado"))->state.focused);
    EXPECT_FALSE(seen(window, block(24, "fechado"))->state.focused);
}

} // namespace
} // namespace qv::test
