#include "app/MainWindow.h"
#include "dialogs/TForm2.h"
#include "dialogs/TForm_aviso.h"
#include "dialogs/TForm_inst.h"
#include "dialogs/Tform_definir.h"
#include "figures/Tform_categoria.h"
#include "figures/Tform_perso.h"
#include "platform/SystemClock.h"
#include "platform/qt/LoadedTextPrinter.h"
#include "platform/qt/QtDialogs.h"
#include "platform/qt/QtPaths.h"
#include "platform/qt/QtScheduler.h"
#include "platform/qt/QtScreen.h"
#include "records/Records.h"
#include "records/TForm_record.h"
#include "sound/OpenAlAudio.h"
#include "sound/SteadyTicks.h"
#include "sound/TForm_efe.h"

#include <QApplication>
#include <QIcon>
#include <QTimer>

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
    qv::Records records(window.game());
    window.game().setRecords(records);
    // Waves and the beeper's melodies share one audio output, opened once the
    // window shows.
    qv::SteadyTicks ticks;
    qv::OpenAlAudio audio(paths.programFolder());
    qv::TBTBeeper SOM(ticks, &audio);
    SOM.setBeatDuration(qv::TBeatDuration::bd_500);
    SOM.setDefaultSound(qv::TPresetSound::psError);
    qv::SoundEffects sound(window.game().view, window.game().state, paths, dialogs, audio, SOM);
    window.game().setSound(sound);
    window.initialize();

    // The penalty notice and the records window are made at start and kept,
    // hidden, for the whole run.
    qv::TForm_aviso aviso(window.game().penaltyNotice, &window);
    qv::TForm_record recordsWindow(records, &window);
    dialogs.setWindowOpener(qv::ModalWindow::PlayerNames,
                            [&window] { qv::runPlayerNamesDialog(window.game(), &window); });
    dialogs.setWindowOpener(qv::ModalWindow::GameDefinition,
                            [&window] { qv::runGameDefinitionDialog(window.game(), &window); });
    dialogs.setWindowOpener(qv::ModalWindow::PenaltyNotice, [&window, &aviso] {
        qv::runPenaltyNotice(window.game().penaltyNotice, aviso, [&window] { window.render(); });
    });
    dialogs.setWindowOpener(qv::ModalWindow::CategoryChooser,
                            [&window] { qv::runCategoryChooser(window.game(), &window); });
    dialogs.setWindowOpener(qv::ModalWindow::PhotoManager,
                            [&window] { qv::runPhotoManager(window.game(), &window); });
    dialogs.setWindowOpener(qv::ModalWindow::SoundSettings, [&window, &sound, &dialogs] {
        qv::runSoundSettings(sound, dialogs, &window);
    });
    dialogs.setWindowOpener(qv::ModalWindow::Records,
                            [&recordsWindow] { qv::runRecordsWindow(recordsWindow); });
    qv::LoadedTextPrinter printer;
    dialogs.setWindowOpener(qv::ModalWindow::Instructions, [&window, &dialogs, &printer] {
        qv::runInstructionsWindow(dialogs, printer, &window);
    });
    window.show();
    QTimer::singleShot(0, &application, [&audio] { audio.open(); });

    // Lets the launch benchmark measure start-up to the first shown window.
    if (qEnvironmentVariableIsSet("QUORVANELLA_QUIT_WHEN_SHOWN"))
        QTimer::singleShot(0, &application, &QApplication::quit);
    return application.exec();
}
