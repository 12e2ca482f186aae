#include <gtest/gtest.h>

#include <QApplication>
#include <QSettings>
#include <QTimer>
#include <QWidget>
#include <filesystem>

#include "platform/file_dialog.h"
#include "platform/profile.h"
#include "shell/game_app.h"
#include "temp_dir.h"

// Qt's file dialog stores its last folder and history in a settings file of
// its own when it closes. After the program's start-up, a dialog shown for
// real and closed leaves nothing that a later run would read.
TEST(StartUp, TheFileDialogLeavesNoStateForTheNextRun) {
    TempDir config{"config"};
    // Where the state would go, were it kept (when nothing asked for the
    // settings folders before).
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(config.File("")));
    const Profile profile = g_profile;
    InitApplicationNames();
    g_profile = profile;

    QTimer::singleShot(0, [] {
        if (QWidget* dialog = QApplication::activeModalWidget()) dialog->close();
    });
    EXPECT_FALSE(AskFileName(nullptr, {FileDialogKind::Open, "Position files (*.pos)|*.pos||", "pos"}));

    EXPECT_TRUE(QSettings(QSettings::UserScope, QStringLiteral("QtProject")).allKeys().isEmpty());
    EXPECT_EQ(config.FileCount(), 0u);
    qunsetenv("XDG_CONFIG_HOME");
}
