#include "shell/game_app.h"

#include <QScreen>

#include "platform/dialog_state.h"
#include "platform/message_box.h"
#include "platform/profile.h"
#include "resources/stored_texts.h"
#include "settings/options.h"
#include "shell/game_wnd.h"

void InitApplicationNames() {
    g_profile = Profile(INI_FILE_NAME);
    QApplication::setApplicationName(QString::fromStdString(ProgramTitle()));
    SetMessageBoxCaption(ProgramTitle());
    KeepDialogStateForTheRun();
}

int PrimaryScreenWidth() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry().width() : 800;
}

GameApp::GameApp(int& argc, char** argv, const BoardScale& scale) : QApplication(argc, argv), scale_(scale) {
    InitApplicationNames();
}

int GameApp::Run() {
    // The window deletes itself when closed; the loop ends with it.
    auto* window = new GameWnd(PrimaryScreenWidth(), scale_);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    return exec();
}
