#include "game/Game.h"
#include "sound/SoundEffects.h"
#include "sound/SoundSettingsForm.h"
#include "tests/fakes/SoundGame.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace qv::test {
namespace {

const std::string kDefaultBytes("\x02"
                                "15\x02"
                                "12\x03"
                                "110\x03"
                                "113\x02"
                                "10\x02"
                                "18\x03"
                                "115\x01P",
                                26);
const std::string kCreateError =
    "Erro ao criar o arquivo de configuração de SONS\n\nSe persistir contate o Suporte Técnico";
const std::string kReadError =
    "Erro ao ler o arquivo de configuração de SONS\n\nO Sistema vai tentar usar os valores "
    "padrões. Se persistir contate o Suporte Técnico";

std::string slurp(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void spill(const std::filesystem::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
}

struct SoundRig : SoundGame {
    std::filesystem::path file() const { return ports.paths.dataFolder() / "ConfS.Sys"; }
    std::vector<std::string> messages() const {
        std::vector<std::string> texts;
        for (const ShownBox& box : ports.dialogs.shown())
            texts.push_back(box.text);
        return texts;
    }
    void putWaves() {
        for (std::string_view name : soundfile::kSoundNames)
            spill(ports.paths.programFolder() / (std::string(name) + ".wav"), "RIFF");
    }
};

TEST(SoundSettingsFile, FirstActivationWritesTheDefaultRecordAndPutsItIntoEffect) {
    SoundRig rig;
    EXPECT_TRUE(rig.effects.settings.SoundDevice.empty()) << "nothing sounds before the first load";
    rig.game.onActivated();
    EXPECT_EQ(slurp(rig.file()), kDefaultBytes);
    EXPECT_TRUE(rig.messages().empty());
    const SoundSettings& s = rig.effects.settings;
    EXPECT_EQ(s.SoundDevice, "P");
    EXPECT_EQ(s.SoundName, (std::array<std::string, 7>{"Som1.Erro", "Som1.acerto", "Som1.Vitoria",
                                                       "Som1.Derrota", "Som1.click", "Som1.opcao",
                                                       "Som1.termino"}));
    EXPECT_EQ(s.SoundOn, (std::array<int, 7>{1, 1, 1, 1, 1, 1, 1}));
    EXPECT_FALSE(std::filesystem::exists(rig.ports.paths.programFolder() / "ConfS.Sys"))
        << "the settings belong in the data folder, not beside the program";
}

TEST(SoundSettingsFile, StoredChoicesAreReadAtEachActivation) {
    SoundRig rig;
    rig.game.onActivated();
    // Errar off with Som3.Erro, Vitória Som3.Vitoria, Término switch 2 with Som2.termino,
    // and the speaker.
    std::string bytes = kDefaultBytes;
    bytes.replace(0, 3,
                  "\x02"
                  "07");
    bytes.replace(6, 4,
                  "\x03"
                  "112");
    bytes.replace(20, 4,
                  "\x03"
                  "216");
    bytes.replace(24, 2,
                  "\x01"
                  "A");
    ASSERT_EQ(bytes.size(), 26u);
    spill(rig.file(), bytes);
    rig.game.onActivated();
    const SoundSettings& s = rig.effects.settings;
    EXPECT_EQ(s.name(SoundEvent::Miss), "Som3.Erro");
    EXPECT_EQ(s.on(SoundEvent::Miss), 0);
    EXPECT_EQ(s.name(SoundEvent::Victory), "Som3.Vitoria");
    EXPECT_EQ(s.name(SoundEvent::TimeUp), "Som2.termino");
    EXPECT_EQ(s.on(SoundEvent::TimeUp), 2);
    EXPECT_EQ(s.SoundDevice, "A");
    EXPECT_TRUE(rig.messages().empty());
}

TEST(SoundSettingsFile, AThreeRoomFieldOfTwoCharactersTakesOneIndexDigit) {
    SoundRig rig;
    std::string bytes = kDefaultBytes;
    bytes.replace(10, 4,
                  std::string("\x02"
                              "19\x00",
                              4));
    spill(rig.file(), bytes);
    rig.game.onActivated();
    EXPECT_EQ(rig.effects.settings.name(SoundEvent::Defeat), "Som2.Opcao");
    EXPECT_TRUE(rig.messages().empty());
}

TEST(SoundSettingsFile, MalformedFilesAreReportedAndReplacedByTheDefaults) {
    const std::vector<std::pair<const char*, std::string>> cases{
        {"25 bytes", kDefaultBytes.substr(0, 25)},
        {"empty", ""},
        {"empty field", std::string("\x00", 1) + kDefaultBytes.substr(1)},
        {"letter for a switch", std::string("\x02X5") + kDefaultBytes.substr(3)},
        {"sign in an index", kDefaultBytes.substr(0, 6) +
                                 "\x03"
                                 "1+1" +
                                 kDefaultBytes.substr(10)},
        {"index 17", kDefaultBytes.substr(0, 6) +
                         "\x03"
                         "117" +
                         kDefaultBytes.substr(10)},
        {"length byte beyond the room", std::string("\x03") + kDefaultBytes.substr(1)},
        {"one-character field", std::string("\x01") + kDefaultBytes.substr(1)},
    };
    for (const auto& [what, bytes] : cases) {
        SoundRig rig;
        spill(rig.file(), bytes);
        rig.game.onActivated();
        EXPECT_EQ(rig.messages(), std::vector<std::string>{kReadError}) << what;
        EXPECT_EQ(slurp(rig.file()), kDefaultBytes) << what;
        EXPECT_EQ(rig.effects.settings.SoundDevice, "P") << what;
        EXPECT_EQ(rig.effects.settings.name(SoundEvent::Miss), "Som1.Erro") << what;
        rig.game.onActivated();
        EXPECT_EQ(rig.messages().size(), 1u) << what << ": the repaired file is read in silence";
    }
}

TEST(SoundSettingsFile, ALongerFileIsReadAndSavingRewritesOnlyItsRecord) {
    SoundRig rig;
    const std::string tail = "bytes that belong to nobody";
    spill(rig.file(), kDefaultBytes + tail);
    rig.game.onActivated();
    EXPECT_TRUE(rig.messages().empty());
    SoundSettingsForm form(rig.effects, rig.ports.dialogs);
    form.open();
    form.rows[2].checked = false; // Errar
    form.saveClick();
    std::string expected = kDefaultBytes;
    expected.replace(0, 3,
                     std::string("\x02"
                                 "05",
                                 3));
    EXPECT_EQ(slurp(rig.file()), expected + tail);
}

TEST(SoundSettingsFile, AFolderWhereNothingCanBeWrittenIsReportedOnceAndStaysSilent) {
    SoundRig rig;
    // A file where the data folder should be: nothing can be created in it.
    std::filesystem::remove_all(rig.ports.paths.dataFolder());
    spill(rig.ports.paths.dataFolder(), "not a folder");
    for (int k = 0; k < 3; ++k)
        rig.game.onActivated();
    EXPECT_EQ(rig.messages(), std::vector<std::string>{kCreateError});
    EXPECT_TRUE(rig.effects.settings.SoundDevice.empty());

    std::filesystem::remove(rig.ports.paths.dataFolder());
    std::filesystem::create_directory(rig.ports.paths.dataFolder());
    rig.game.onActivated();
    EXPECT_EQ(slurp(rig.file()), kDefaultBytes) << "once the folder is usable the file is made";
    EXPECT_EQ(rig.messages().size(), 1u);
}

// One sound setting for the whole game: what "&Gravar" stores sounds its own
// confirmation with the choice it stored, and sets the computer's wait (1.75 s
// on the speaker, else 2 s).
TEST(SoundSettingsDialogRules, TheSavedDeviceSoundsTheConfirmationAndTimesTheComputer) {
    struct Row {
        bool speaker;
        std::vector<std::string> waves;
        std::vector<Tone> tones;
        int computerWaitTicks;
    };
    const std::vector<Tone> confirmation{{800, 25}, {700, 35}, {750, 55}, {850, 100}};
    for (const Row& row :
         {Row{false, {"Som2.Opcao.wav"}, {}, 40}, Row{true, {}, confirmation, 35}}) {
        SoundRig rig;
        rig.putWaves();
        rig.game.onActivated();
        SoundSettingsForm form(rig.effects, rig.ports.dialogs);
        form.open();
        form.rows[5].selected = 9; // "Acesso aos ítens": Som2.Opcao
        form.soundCard = !row.speaker;
        form.pcSpeaker = row.speaker;
        form.saveClick();
        EXPECT_EQ(rig.waves.requests, row.waves) << "speaker " << row.speaker;
        EXPECT_EQ(rig.beep.tones, row.tones) << "speaker " << row.speaker;
        rig.game.computer.onWaitTick();
        EXPECT_EQ(rig.game.state.ComputerWaitTicks, row.computerWaitTicks);

        rig.game.onActivated(); // read back from the file
        rig.game.computer.onWaitTick();
        EXPECT_EQ(rig.game.state.ComputerWaitTicks, row.computerWaitTicks);
    }
}

TEST(SoundSettingsDialogRules, AFileGoneMeanwhileIsReportedAndNeitherSavedNorRecreated) {
    SoundRig rig;
    rig.game.onActivated();
    SoundSettingsForm form(rig.effects, rig.ports.dialogs);
    form.open();
    std::filesystem::remove(rig.file());
    form.rows[0].checked = false;
    form.saveClick();
    EXPECT_FALSE(form.done) << "the dialog stays open";
    EXPECT_FALSE(std::filesystem::exists(rig.file()));
    EXPECT_EQ(rig.effects.settings.on(SoundEvent::Click), 1) << "nothing put into effect";
    ASSERT_EQ(rig.ports.dialogs.shown().size(), 1u);
    EXPECT_EQ(rig.ports.dialogs.last().icon, MessageIcon::Stop);

    // Opening without a file reports it too, and still offers every list.
    rig.ports.dialogs.clear();
    SoundSettingsForm again(rig.effects, rig.ports.dialogs);
    again.open();
    EXPECT_EQ(rig.ports.dialogs.shown().size(), 1u);
    EXPECT_EQ(again.rows[3].names.size(), 17u);
    EXPECT_EQ(again.rows[3].selected, 0);
}

} // namespace
} // namespace qv::test
