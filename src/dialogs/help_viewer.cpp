#include "dialogs/help_viewer.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QScreen>
#include <QShortcut>
#include <QTextBrowser>
#include <algorithm>

#include "platform/message_box.h"
#include "resources/help_topics.h"
#include "resources/stored_texts.h"

// The pages live in a static library, whose resources nothing else would pull in.
static void LoadHelpPages() { Q_INIT_RESOURCE(help); }

namespace {
struct Topic {
    const char* className;
    const char* keyword;
};
constexpr Topic kTopics[] = {
    {"SettingsDialog", HELP_SETTINGS},
    {"ColorSchemeDialog", HELP_COLORS},
    {"ResignDialog", HELP_DOUBLING},
};

constexpr int HELP_WIDTH = 560;
constexpr int HELP_HEIGHT = 480;

QUrl PageOf(const std::string& keyword) {
    const QString topic = keyword.empty() ? QStringLiteral("index") : QString::fromStdString(keyword);
    QUrl page(QStringLiteral("qrc:/help/%1.html").arg(topic.section('#', 0, 0)));
    if (topic.contains('#')) page.setFragment(topic.section('#', 1));
    return page;
}

// Over the main window and wholly on its screen, however small the screen:
// the window manager would put it wherever it finds room, even half off-screen.
// Its frame is taken to be as wide as the main window's.
void PlaceOver(const QWidget& wnd, QWidget& help) {
    const QRect main = wnd.frameGeometry();
    const QRect inner = wnd.geometry();
    const QMargins frame(inner.left() - main.left(), inner.top() - main.top(), main.right() - inner.right(),
                         main.bottom() - inner.bottom());
    const QRect screen = wnd.screen()->availableGeometry();
    QRect placed(QPoint(), QSize(HELP_WIDTH, HELP_HEIGHT).grownBy(frame).boundedTo(screen.size()));
    placed.moveCenter(main.center());
    placed.moveLeft(std::clamp(placed.left(), screen.left(), screen.right() + 1 - placed.width()));
    placed.moveTop(std::clamp(placed.top(), screen.top(), screen.bottom() + 1 - placed.height()));
    help.resize(placed.size().shrunkBy(frame));
    help.move(placed.topLeft());
}
}  // namespace

std::string HelpTopicFor(const QWidget* active) {
    for (const QWidget* window = active; window; window = window->parentWidget()) {
        if (const QVariant topic = window->property(HELP_TOPIC_PROPERTY); topic.isValid())
            return topic.toString().toStdString();
        for (const Topic& topic : kTopics)
            if (window->inherits(topic.className)) return topic.keyword;
    }
    return {};
}

HelpViewer::HelpViewer(QWidget& mainWindow) : mainWindow_(mainWindow) { qApp->installEventFilter(this); }

HelpViewer::~HelpViewer() { qApp->removeEventFilter(this); }

QTextBrowser* HelpViewer::Window() const { return help_; }

void HelpViewer::Show() {
    QWidget* active = QApplication::activeWindow();
    const std::string keyword = HelpTopicFor(active);
    // Over any dialog the help belongs to the dialog: a modal dialog blocks
    // every other window, and so would block a help owned by the main window.
    const bool overDialog = !keyword.empty() || qobject_cast<QDialog*>(active);
    QTextBrowser* help = WindowOwnedBy(overDialog ? active : &mainWindow_);
    help->setSource(PageOf(keyword));
    help->show();
    help->activateWindow();
}

// One help window at a time; it belongs to the window it was asked from.
QTextBrowser* HelpViewer::WindowOwnedBy(QWidget* owner) {
    if (help_ && help_->parentWidget() != owner) delete help_;
    if (!help_) {
        LoadHelpPages();
        auto* help = new QTextBrowser(owner);
        help->setWindowFlag(Qt::Window);
        help->setAttribute(Qt::WA_DeleteOnClose);
        help->setWindowTitle(QString::fromStdString(ProgramTitle() + " Help"));
        PlaceOver(mainWindow_, *help);
        // Without a window manager there is no close box.
        for (const QKeySequence& key : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)})
            new QShortcut(key, help, help, &QWidget::close);
        help_ = help;
    }
    return help_;
}

bool HelpViewer::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const auto modifiers = key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    auto* widget = qobject_cast<QWidget*>(watched);
    if (key->key() != Qt::Key_F1 || modifiers || !widget || !qobject_cast<QDialog*>(widget->window())) return false;
    Show();
    return true;
}
