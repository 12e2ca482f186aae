#include "dialogs/show_help.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QPointer>
#include <QTextBrowser>

#include "platform/main_window.h"
#include "resources/stored_texts.h"

// The pages live in a static library, whose resources nothing else would pull in.
static void LoadHelpPages() { Q_INIT_RESOURCE(help); }

namespace {
struct Topic {
    const char* className;
    const char* keyword;
};
constexpr Topic kTopics[] = {
    {"SettingsSheet", "settings"},
    {"BackgClr", "colors"},
    {"GvUpDlg", "doubling"},
};

constexpr int HELP_WIDTH = 560;
constexpr int HELP_HEIGHT = 480;

QPointer<QTextBrowser> g_help;

QUrl PageOf(const std::string& keyword) {
    const QString page = keyword.empty() ? QStringLiteral("index") : QString::fromStdString(keyword);
    return QUrl(QStringLiteral("qrc:/help/%1.html").arg(page));
}

// One help window at a time; it belongs to the window it was asked from.
QTextBrowser* HelpWindowOwnedBy(QWidget* owner) {
    if (g_help && g_help->parentWidget() != owner) delete g_help;
    if (!g_help) {
        LoadHelpPages();
        g_help = new QTextBrowser(owner);
        g_help->setWindowFlag(Qt::Window);
        g_help->setAttribute(Qt::WA_DeleteOnClose);
        g_help->setWindowTitle(QString::fromStdString(ProgramTitle() + " Help"));
        g_help->resize(HELP_WIDTH, HELP_HEIGHT);
    }
    return g_help;
}

class HelpKey : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        const auto modifiers = key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
        auto* widget = qobject_cast<QWidget*>(watched);
        if (key->key() != Qt::Key_F1 || modifiers || !widget || !qobject_cast<QDialog*>(widget->window())) return false;
        ShowHelp();
        return true;
    }
};
}  // namespace

std::string HelpTopicFor(const QWidget* active) {
    if (!active) return {};
    for (const Topic& topic : kTopics)
        if (active->inherits(topic.className)) return topic.keyword;
    return {};
}

void ShowHelp() {
    QWidget* active = QApplication::activeWindow();
    const std::string keyword = HelpTopicFor(active);
    // Over any dialog the help belongs to the dialog: a modal dialog blocks
    // every other window, and so would block a help owned by the main window.
    const bool overDialog = !keyword.empty() || qobject_cast<QDialog*>(active);
    QTextBrowser* help = HelpWindowOwnedBy(overDialog ? active : MainWindow());
    help->setSource(PageOf(keyword));
    help->show();
    help->activateWindow();
}

void InstallHelpKey() {
    static HelpKey* filter = nullptr;
    if (filter) return;
    filter = new HelpKey;
    filter->setParent(qApp);
    qApp->installEventFilter(filter);
}

QTextBrowser* HelpWindow() { return g_help; }
