#include "dialogs/GameDefinitionDialog.h"
#include "dialogs/InstructionsWindow.h"
#include "dialogs/PenaltyNoticeWindow.h"
#include "dialogs/PlayerNamesDialog.h"
#include "figures/CategoryWindow.h"
#include "figures/PhotoManagerWindow.h"
#include "match/PenaltyNotice.h"
#include "platform/qt/QtTextPrinter.h"
#include "records/Records.h"
#include "records/RecordsWindow.h"
#include "sound/SoundSettingsDialog.h"
#include "tests/fakes/SoundGame.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace qv::test {
namespace {

/// Every dialog of the game, each made as the game makes it.
class EveryDialog : public ::testing::Test {
protected:
    SoundGame sound;
    Game& game = sound.game;
    Records records{game.state, game.view, game.timers, game.ports.dialogs, game.ports.paths};
    PenaltyNotice notice{game.state, game.view, game.ports.scheduler};
    QTemporaryDir folder;
    std::unique_ptr<QtTextPrinter> printer =
        QtTextPrinter::toPdfFile(folder.filePath(QStringLiteral("manual.pdf")));

    std::vector<std::pair<const char*, std::function<std::unique_ptr<QDialog>()>>> dialogs() {
        return {
            {"player names",
             [&] {
                 return std::make_unique<PlayerNamesDialog>(
                     PlayerNamesRules{game.state, game.view, game.sound(), game.ports.dialogs},
                     nullptr);
             }},
            {"game definition",
             [&] {
                 game.gameDefinition.create(true);
                 return std::make_unique<GameDefinitionDialog>(game.gameDefinition, nullptr);
             }},
            {"penalty notice",
             [&] {
                 return std::make_unique<PenaltyNoticeWindow>(notice, nullptr);
             }},
            {"figure sets",
             [&] {
                 return std::make_unique<CategoryWindow>(game.state, game.sound(), game.deal,
                                                         nullptr);
             }},
            {"photo manager",
             [&] {
                 return std::make_unique<PhotoManagerWindow>(game.ports, game.sound(), game.deal,
                                                             nullptr);
             }},
            {"records",
             [&] {
                 return std::make_unique<RecordsWindow>(records, nullptr);
             }},
            {"sound settings",
             [&] {
                 return std::make_unique<SoundSettingsDialog>(sound.effects, sound.ports.dialogs);
             }},
            {"instructions",
             [&] {
                 return std::make_unique<InstructionsWindow>(sound.ports.dialogs, *printer,
                                                             nullptr);
             }},
        };
    }
};

TEST_F(EveryDialog, TabReachesOnlyControlsAPersonCanSee) {
    for (const auto& [name, make] : dialogs()) {
        SCOPED_TRACE(name);
        const std::unique_ptr<QDialog> dialog = make();
        dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
        int stops = 0;
        for (QWidget* widget = dialog->nextInFocusChain(); widget != dialog.get();
             widget = widget->nextInFocusChain()) {
            if (!(widget->focusPolicy() & Qt::TabFocus) || !widget->isVisible() ||
                !widget->isEnabled())
                continue;
            ++stops;
            EXPECT_GE(widget->width(), 8) << widget->objectName().toStdString();
            EXPECT_GE(widget->height(), 8) << widget->objectName().toStdString();
        }
        EXPECT_GT(stops, 0) << "the keyboard reaches something";
    }
}

TEST_F(EveryDialog, EveryListTreeBoxAndPictureToChooseHasAPortugueseName) {
    const QStringList english{"Name", "Size", "Type", "Date Modified", "Folder"};
    for (const auto& [name, make] : dialogs()) {
        SCOPED_TRACE(name);
        const std::unique_ptr<QDialog> dialog = make();
        dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
        for (QWidget* widget : dialog->findChildren<QWidget*>()) {
            const bool named =
                qobject_cast<QAbstractItemView*>(widget) || qobject_cast<QLineEdit*>(widget) ||
                qobject_cast<QTextEdit*>(widget) || qobject_cast<QPlainTextEdit*>(widget) ||
                (widget->focusPolicy() & Qt::TabFocus && !widget->isWindow());
            // What is hidden is not read; the line and list of a combo box are part of it.
            if (!named || !widget->isVisible() ||
                qobject_cast<QComboBox*>(widget->parentWidget()) ||
                widget->window() != dialog.get())
                continue;
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
            ASSERT_NE(accessible, nullptr);
            const QString spoken = accessible->text(QAccessible::Name);
            EXPECT_FALSE(spoken.isEmpty())
                << widget->metaObject()->className() << " " << widget->objectName().toStdString();
            if (auto* view = qobject_cast<QAbstractItemView*>(widget); view && view->model()) {
                for (int column = 0; column < view->model()->columnCount(); ++column) {
                    const QString heading =
                        view->model()->headerData(column, Qt::Horizontal).toString();
                    EXPECT_FALSE(english.contains(heading)) << heading.toStdString();
                }
            }
        }
    }
}

TEST_F(EveryDialog, FigureSetsAreNamedWithTheOneInUseMarked) {
    const QStringList sets{"Figuras-1", "Figuras-2", QString::fromUtf8("Símbolos"),
                           QString::fromUtf8("Números"), "Personalizada"};
    const std::pair<const char*, int> cases[] = {
        {"Figuras1", 0}, {"Números", 3}, {"Personaliz", 4}};
    for (const auto& [code, inUse] : cases) {
        game.state.FigureCategory = code;
        CategoryWindow chooser(game.state, game.sound(), game.deal, nullptr);
        for (int i = 0; i < 5; ++i) {
            QAccessibleInterface* tile = QAccessible::queryAccessibleInterface(chooser.picture(i));
            EXPECT_EQ(tile->role(), QAccessible::Button);
            EXPECT_EQ(tile->text(QAccessible::Name),
                      sets[i] + (i == inUse ? QStringLiteral(", em uso") : QString()))
                << code;
        }
    }
}

} // namespace
} // namespace qv::test
