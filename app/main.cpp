#include "app/MainWindow.h"
#include "dialogs/GameDefinitionDialog.h"
#include "dialogs/InstructionsWindow.h"
#include "dialogs/PenaltyNoticeWindow.h"
#include "dialogs/PlayerNamesDialog.h"
#include "figures/CategoryWindow.h"
#include "figures/PhotoManagerWindow.h"
#include "platform/SystemClock.h"
#include "sound/LoadedAudio.h"
#include "platform/qt/LoadedTextPrinter.h"
#include "platform/qt/QtDialogs.h"
#include "platform/qt/QtPaths.h"
#include "platform/qt/QtScheduler.h"
#include "platform/qt/QtScreen.h"
#include "records/Records.h"
#include "records/RecordsWindow.h"
#include "sound/SoundSettingsDialog.h"
#include "sound/SteadyTicks.h"

#include <QApplication>
#include <QIcon>
#include <QTimer>

#include <optional>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quorvanella"));
    QApplication::setApplicationVersion(QStringLiteral(QV_VERSION));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/quorvanella.png")));

    qv::SystemClock clock;
    qv::QtScheduler scheduler;
    qv::StdRandomSource random;
    qv::QtDialogs dialogs;
    qv::QtScreen screen;
    qv::QtPaths paths;
    const qv::Ports ports{clock, scheduler, random, dialogs, screen, paths};

    qv::MainWindow window(ports);
    dialogs.setParent(&window);
    dialogs.setBeforeModal([&window] { window.render(); });
    scheduler.setAfterEvent([&window] { window.render(); });
    qv::Records records(window.game().state, window.game().view, window.game().timers, dialogs,
                        paths);
    window.game().setRecords(records);
    // Waves and the beeper's melodies share one audio output, loaded and opened
    // once the window shows.
    qv::SteadyTicks ticks;
    qv::LoadedAudio audio(qv::LoadedAudio::moduleBesideProgram(), paths.programFolder());
    qv::TonePlayer tonePlayer(ticks, &audio);
    tonePlayer.setBeatDuration(qv::BeatDuration::HalfSecond);
    tonePlayer.setDefaultSound(qv::PresetSound::Error);
    qv::SoundEffects sound(window.game().view, window.game().state, paths, dialogs, audio,
                           tonePlayer);
    window.game().setSound(sound);
    window.initialize();

    // The penalty notice and the records window are made once and kept, hidden,
    // for the whole run: the notice at start, the records window (a dozen
    // pictures to decode) once the main window shows, or when first asked for.
    qv::PenaltyNoticeWindow noticeWindow(window.game().penaltyNotice, &window);
    std::optional<qv::RecordsWindow> recordsWindow;
    const auto makeRecordsWindow = [&recordsWindow, &records, &window]() -> qv::RecordsWindow& {
        if (!recordsWindow)
            recordsWindow.emplace(records, &window);
        return *recordsWindow;
    };
    dialogs.setWindowOpener(qv::ModalWindow::PlayerNames, [&window, &dialogs] {
        qv::Game& game = window.game();
        qv::runPlayerNamesDialog(qv::PlayerNamesRules(game.state, game.view, game.sound(), dialogs),
                                 &window);
    });
    dialogs.setWindowOpener(qv::ModalWindow::GameDefinition, [&window] {
        qv::runGameDefinitionDialog(window.game().gameDefinition, &window);
    });
    dialogs.setWindowOpener(qv::ModalWindow::PenaltyNotice, [&window, &noticeWindow] {
        qv::runPenaltyNotice(window.game().penaltyNotice, noticeWindow,
                             [&window] { window.render(); });
    });
    dialogs.setWindowOpener(qv::ModalWindow::CategoryChooser, [&window] {
        qv::runCategoryChooser(window.game().state, window.game().sound(), window.game().deal,
                               &window);
    });
    dialogs.setWindowOpener(qv::ModalWindow::PhotoManager, [&window, &ports] {
        qv::runPhotoManager(ports, window.game().sound(), window.game().deal, &window);
    });
    dialogs.setWindowOpener(qv::ModalWindow::SoundSettings, [&window, &sound, &dialogs] {
        qv::runSoundSettings(sound, dialogs, &window);
    });
    dialogs.setWindowOpener(qv::ModalWindow::Records,
                            [&makeRecordsWindow] { qv::runRecordsWindow(makeRecordsWindow()); });
    qv::LoadedTextPrinter printer;
    dialogs.setWindowOpener(qv::ModalWindow::Instructions, [&window, &dialogs, &printer] {
        qv::runInstructionsWindow(dialogs, printer, &window);
    });
    window.show();

    // Lets the launch benchmark measure start-up to the first shown window;
    // what is made after it (the sound, the records window) waits for no one.
    if (qEnvironmentVariableIsSet("QUORVANELLA_QUIT_WHEN_SHOWN"))
        QTimer::singleShot(0, &application, &QApplication::quit);
    else
        QTimer::singleShot(0, &application, [&audio, &makeRecordsWindow] {
            audio.open();
            makeRecordsWindow();
        });
    return application.exec();
}
