#include "app/MainWindow.h"
#include "sound/SoundSettingsDialog.h"
#include "tests/fakes/FakeSound.h"
#include "tests/fakes/TestPorts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "tests/ui/WindowTestTools.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace qv::test {
namespace {

std::string slurp(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class SoundSettingsWindow : public ::testing::Test {
protected:
    TestPorts fakes;
    Game game{fakes.ports()};
    VirtualTicks ticks{fakes.scheduler, 0};
    RecordingBeep beep{fakes.scheduler};
    TonePlayer tonePlayer{ticks, &beep};
    RecordingWaves waves;
    SoundEffects effects{game.view, game.state, fakes.paths, fakes.dialogs, waves, tonePlayer};
    std::filesystem::path file() const { return fakes.paths.dataFolder() / "ConfS.Sys"; }

    /// Stores a record: Errar off with Som2.Erro, Vitória Som3.Vitoria, the speaker.
    void SetUp() override {
        game.setSound(effects);
        std::string bytes("\x02"
                          "06\x02"
                          "12\x03"
                          "112\x03"
                          "113\x02"
                          "10\x02"
                          "18\x03"
                          "115\x01"
                          "A",
                          26);
        std::ofstream(file(), std::ios::binary) << bytes;
        game.onActivated();
        for (std::string_view name : soundfile::kSoundNames)
            std::ofstream(fakes.paths.programFolder() / (std::string(name) + ".wav")) << "RIFF";
    }

    template <typename T> T* child(QWidget& parent, const char* name) {
        T* found = parent.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    /// Clicks a radio button on its round mark, where a person would.
    void choose(QWidget& dialog, const char* name) {
        auto* radio = child<QRadioButton>(dialog, name);
        QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(6, radio->height() / 2));
    }
    /// The check box, list and Play button of rows 1..7.
    std::vector<QWidget*> rowWidgets(QWidget& dialog) {
        std::vector<QWidget*> widgets;
        for (const SoundRow& row : kSoundRows) {
            widgets.push_back(child<QCheckBox>(dialog, row.checkBox));
            widgets.push_back(child<QComboBox>(dialog, row.comboBox));
            widgets.push_back(child<QPushButton>(dialog, row.playButton));
        }
        return widgets;
    }
};

TEST_F(SoundSettingsWindow, ShowsTheStoredChoice) {
    SoundSettingsDialog dialog(effects, fakes.dialogs);
    dialog.show();
    keepScreenshot(dialog, "sound-settings");
    EXPECT_EQ(dialog.windowTitle(), "Quorvanella 2.0");
    EXPECT_FALSE(child<QCheckBox>(dialog, "missOn")->isChecked()) << "Errar is off";
    EXPECT_TRUE(child<QCheckBox>(dialog, "clickOn")->isChecked());
    EXPECT_EQ(child<QComboBox>(dialog, "missSound")->currentText(), "Som2.Erro");
    EXPECT_EQ(child<QComboBox>(dialog, "victorySound")->currentText(), "Som3.Vitoria");
    EXPECT_EQ(child<QComboBox>(dialog, "clickSound")->currentText(), "Som1.click");
    EXPECT_EQ(child<QComboBox>(dialog, "missSound")->count(), 10) << "one index digit";
    EXPECT_EQ(child<QComboBox>(dialog, "victorySound")->count(), 17);
    EXPECT_TRUE(child<QRadioButton>(dialog, "pcSpeaker")->isChecked());
    for (QWidget* widget : rowWidgets(dialog))
        EXPECT_FALSE(widget->isEnabled()) << widget->objectName().toStdString();
    EXPECT_TRUE(fakes.dialogs.shown().empty());
}

TEST_F(SoundSettingsWindow, TheSpeakerGreysAllSevenRowsAndTheSoundCardBringsThemBack) {
    SoundSettingsDialog dialog(effects, fakes.dialogs);
    dialog.show();
    choose(dialog, "soundCard");
    keepScreenshot(dialog, "sound-settings-card");
    for (QWidget* widget : rowWidgets(dialog))
        EXPECT_TRUE(widget->isEnabled()) << widget->objectName().toStdString();
    choose(dialog, "pcSpeaker");
    for (QWidget* widget : rowWidgets(dialog))
        EXPECT_FALSE(widget->isEnabled()) << widget->objectName().toStdString();
}

TEST_F(SoundSettingsWindow, GravarStoresPutsIntoEffectConfirmsAndCloses) {
    SoundSettingsDialog dialog(effects, fakes.dialogs);
    dialog.show();
    choose(dialog, "soundCard");
    child<QCheckBox>(dialog, "missOn")->setChecked(true);
    child<QComboBox>(dialog, "timeUpSound")->setCurrentIndex(16); // Som2.termino
    child<QCheckBox>(dialog, "optionChosenOn")->setChecked(false);
    QTest::mouseClick(child<QPushButton>(dialog, "save"), Qt::LeftButton);

    EXPECT_EQ(slurp(file()), std::string("\x02"
                                         "16\x02"
                                         "12\x03"
                                         "112\x03"
                                         "113\x02"
                                         "10\x02"
                                         "08\x03"
                                         "116\x01"
                                         "P",
                                         26));
    EXPECT_EQ(effects.settings.SoundDevice, "P");
    EXPECT_EQ(effects.settings.name(SoundEvent::TimeUp), "Som2.termino");
    EXPECT_EQ(effects.settings.on(SoundEvent::Miss), 1);
    EXPECT_EQ(effects.settings.on(SoundEvent::OptionChosen), 0);
    EXPECT_TRUE(waves.requests.empty()) << "the confirmation follows the new settings: off";
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(SoundSettingsWindow, DesfazerBringsBackTheStoredChoiceWithoutDuplicates) {
    SoundSettingsDialog dialog(effects, fakes.dialogs);
    dialog.show();
    choose(dialog, "soundCard");
    child<QCheckBox>(dialog, "missOn")->setChecked(true);
    child<QComboBox>(dialog, "victorySound")->setCurrentIndex(0);
    QTest::mouseClick(child<QPushButton>(dialog, "undo"), Qt::LeftButton);
    QTest::mouseClick(child<QPushButton>(dialog, "undo"), Qt::LeftButton);
    EXPECT_FALSE(child<QCheckBox>(dialog, "missOn")->isChecked());
    EXPECT_EQ(child<QComboBox>(dialog, "victorySound")->currentText(), "Som3.Vitoria");
    EXPECT_EQ(child<QComboBox>(dialog, "victorySound")->count(), 17);
    EXPECT_EQ(child<QComboBox>(dialog, "clickSound")->count(), 10);
    EXPECT_TRUE(child<QRadioButton>(dialog, "pcSpeaker")->isChecked());
    EXPECT_TRUE(dialog.isVisible());
}

TEST_F(SoundSettingsWindow, PlayButtonPlaysTheRowsNameWhateverItsBox) {
    SoundSettingsDialog dialog(effects, fakes.dialogs);
    dialog.show();
    choose(dialog, "soundCard");
    child<QComboBox>(dialog, "missSound")->setCurrentIndex(7);
    QTest::mouseClick(child<QPushButton>(dialog, "missPlay"), Qt::LeftButton);
    EXPECT_EQ(waves.requests, std::vector<std::string>{"Som3.Erro.wav"});
}

TEST_F(SoundSettingsWindow, KeyboardEnterSavesAndEscapeDiscards) {
    {
        SoundSettingsDialog dialog(effects, fakes.dialogs);
        dialog.show();
        dialog.activateWindow();
        child<QCheckBox>(dialog, "clickOn")->setChecked(false);
        QTest::keyClick(&dialog, Qt::Key_Escape);
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
        EXPECT_EQ(effects.settings.on(SoundEvent::Click), 1);
    }
    SoundSettingsDialog dialog(effects, fakes.dialogs);
    dialog.show();
    choose(dialog, "soundCard");
    child<QCheckBox>(dialog, "clickOn")->setFocus();
    QTest::keyClick(child<QCheckBox>(dialog, "clickOn"), Qt::Key_Space);
    QTest::keyClick(child<QCheckBox>(dialog, "clickOn"), Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(effects.settings.on(SoundEvent::Click), 0);
}

TEST_F(SoundSettingsWindow, TheMenuEntryOpensTheDialogEvenDuringAMatch) {
    MainWindow window(fakes.ports());
    window.initialize();
    window.game().timers.matchTick.setInterval(100);
    bool opened = false;
    fakes.dialogs.onWindow(ModalWindow::SoundSettings, [&] { opened = true; });
    window.menuEntry(QStringLiteral("soundEffects"))->trigger();
    EXPECT_TRUE(opened);
}

} // namespace
} // namespace qv::test
