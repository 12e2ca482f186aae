#include "dialogs/review_window.h"

#include <QApplication>
#include <QBoxLayout>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QStackedWidget>
#include <QStyle>
#include <QTreeWidget>
#include <algorithm>

#include "coach/coach_text.h"
#include "coach/review_source.h"
#include "dialogs/error_rate_graph.h"
#include "dialogs/review_board.h"
#include "platform/message_box.h"
#include "resources/help_topics.h"

namespace {
constexpr int LOSS_COLUMN = 3;
constexpr int MARK_COLUMN = 4;
constexpr int SUMMARY_LINES = 3;
constexpr int PROGRESS_WIDTH = 300;

QString ToQt(const std::string& text) { return QString::fromStdString(text); }

// The widest text each column is likely to hold: four steps, the longest
// cube advice, the largest loss.
const char* const WIDEST[REVIEW_COLUMNS][2] = {
    {"6-6", ""},
    {"W-W W-W W-W W-W", "Double"},
    {"W-W W-W W-W W-W", "Too good to double"},
    {"\xE2\x88\x92"
     "0.888",
     ""},
    {"very bad", ""},
};

QColor MarkColour(Mark mark) {
    switch (mark) {
        case Mark::Doubtful:
            return {150, 100, 0};
        case Mark::Bad:
            return {200, 70, 0};
        case Mark::VeryBad:
            return {180, 0, 0};
        case Mark::None:
            break;
    }
    return {};
}

QFont Bold(QFont font) {
    font.setBold(true);
    return font;
}

class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

// Judges the games the graph waits for, one at a time under a progress
// window that can stop it; the graph then shows those judged.
void JudgeWaiting(QWidget* owner, ReviewSource& source) {
    const int waiting = source.Unjudged();
    if (waiting == 0) return;
    QProgressDialog progress(QStringLiteral("Reviewing games..."), QStringLiteral("Cancel"), 0, waiting, owner);
    progress.setWindowTitle(QStringLiteral("Review games"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);
    // Wide enough for the window manager to show the whole title.
    progress.setMinimumWidth(PROGRESS_WIDTH);
    // A game that fails to be judged stays waiting: each is tried once.
    for (int done = 0; done < waiting && source.Unjudged() > 0; ++done) {
        progress.setValue(done);
        if (progress.wasCanceled()) break;
        source.JudgeNext();
    }
    progress.setValue(waiting);
}
}  // namespace

ReviewWindow::ReviewWindow(QWidget* owner, ReviewSource& source, const Options& options)
    : QDialog(owner),
      source_(source),
      games_(new QComboBox(this)),
      shown_(new QStackedWidget(this)),
      list_(new QTreeWidget(shown_)),
      notReviewed_(new QLabel(ToQt(NotReviewedText()), shown_)),
      summary_(new QLabel(this)),
      board_(new ReviewBoard(options, this)),
      graph_(new ErrorRateGraph(this)) {
    setWindowTitle(QStringLiteral("Review games"));
    setProperty(HELP_TOPIC_PROPERTY, QString::fromLatin1(HELP_REVIEW));
    JudgeWaiting(owner, source_);

    for (int game = 0; game < source_.GameCount(); ++game) games_->addItem(ToQt(source_.GameTitle(game)));

    const ReviewRow titles = ReviewColumnTitles();
    QStringList headers;
    for (const std::string& title : titles) headers << ToQt(title);
    list_->setHeaderLabels(headers);
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setAllColumnsShowFocus(true);
    list_->header()->setStretchLastSection(false);
    list_->header()->setSectionsMovable(false);
    list_->header()->setSectionResizeMode(QHeaderView::Fixed);
    const QFontMetrics metrics = list_->fontMetrics();
    int width = 0;
    for (int column = 0; column < REVIEW_COLUMNS; ++column) {
        // The marks stand out in bold.
        const QFontMetrics texts = column == MARK_COLUMN ? QFontMetrics(Bold(list_->font())) : metrics;
        int widest = metrics.horizontalAdvance(headers[column]);
        for (const char* text : WIDEST[column])
            widest = std::max(widest, texts.horizontalAdvance(QString::fromUtf8(text)));
        list_->setColumnWidth(column, widest + 3 * metrics.averageCharWidth() / 2);
        width += list_->columnWidth(column);
    }
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_->setFixedWidth(width + 2 * list_->frameWidth() + list_->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    notReviewed_->setWordWrap(true);
    notReviewed_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    shown_->addWidget(list_);
    shown_->addWidget(notReviewed_);
    summary_->setFixedHeight(SUMMARY_LINES * summary_->fontMetrics().lineSpacing());
    summary_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* exportGame = new QPushButton(QStringLiteral("&Export..."), this);
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    auto* help = new QPushButton(QStringLiteral("Help"), this);
    close->setDefault(true);
    exportGame->setAutoDefault(false);
    connect(exportGame, &QPushButton::clicked, this, [this] { source_.ExportGame(games_->currentIndex()); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, &ReviewWindow::HelpRequested);

    auto* left = new QVBoxLayout;
    left->addWidget(shown_, 1);
    left->addWidget(summary_);
    auto* middle = new QHBoxLayout;
    middle->addLayout(left);
    middle->addWidget(board_, 0, Qt::AlignTop);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(exportGame);
    buttons->addStretch();
    buttons->addWidget(close);
    buttons->addWidget(help);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(games_);
    layout->addLayout(middle);
    layout->addWidget(graph_);
    layout->addLayout(buttons);
    list_->setFixedHeight(board_->height() - summary_->height() - left->spacing());

    connect(games_, &QComboBox::currentIndexChanged, this, &ReviewWindow::ShowGame);
    // The graph counts the kept games from the oldest, the chooser from the newest.
    graph_->OnGameChosen([this](int game) { games_->setCurrentIndex(source_.GameCount() - 1 - game); });
    connect(list_, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* item) { ShowDecision(list_->indexOfTopLevelItem(item)); });
    ShowGame(0);
    list_->setFocus();
}

void ReviewWindow::ShowGame(int game) {
    {
        const WaitCursor wait;
        review_ = game >= 0 && game < source_.GameCount() ? source_.Review(game) : GameReview{};
    }
    // A game judged just now joins the graph when it is among its games.
    graph_->SetPoints(source_.Progress());
    list_->clear();
    for (const ReviewedDecision& decision : review_.decisions) {
        const ReviewRow row = DecisionRow(decision);
        auto* item = new QTreeWidgetItem(list_);
        for (int column = 0; column < REVIEW_COLUMNS; ++column) item->setText(column, ToQt(row[column]));
        item->setTextAlignment(LOSS_COLUMN, Qt::AlignRight | Qt::AlignVCenter);
        if (decision.mark == Mark::None) continue;
        item->setFont(MARK_COLUMN, Bold(list_->font()));
        item->setForeground(MARK_COLUMN, MarkColour(decision.mark));
    }
    shown_->setCurrentWidget(review_.reviewed ? static_cast<QWidget*>(list_) : notReviewed_);
    summary_->setText(review_.reviewed ? ToQt(SummaryText(review_.summary)) : QString());
    if (list_->topLevelItemCount() > 0)
        list_->setCurrentItem(list_->topLevelItem(0));
    else
        ShowDecision(-1);
}

void ReviewWindow::ShowDecision(int row) {
    const bool shown = row >= 0 && row < static_cast<int>(review_.decisions.size());
    board_->Show(shown ? &review_.decisions[static_cast<size_t>(row)] : nullptr);
}
