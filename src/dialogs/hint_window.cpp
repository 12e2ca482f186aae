#include "dialogs/hint_window.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
QString ToQt(const std::string& text) { return QString::fromStdString(text); }
}  // namespace

HintWindow::HintWindow(QWidget* owner, std::function<void(int)> chosen)
    : QDialog(owner, Qt::Tool), list_(new QTreeWidget(this)), note_(new QLabel(this)), chosen_(std::move(chosen)) {
    setWindowTitle(QStringLiteral("Hint"));
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setAllColumnsShowFocus(true);
    list_->header()->setStretchLastSection(false);
    list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    note_->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addWidget(note_);
    connect(list_, &QTreeWidget::itemDoubleClicked, this, [this] { Pick(); });
}

void HintWindow::Show(const std::array<std::string, 3>& titles, const std::vector<std::array<std::string, 3>>& lines,
                      const std::string& note, bool choosable) {
    choosable_ = choosable;
    list_->clear();
    list_->setHeaderLabels({ToQt(titles[0]), ToQt(titles[1]), ToQt(titles[2])});
    for (const std::array<std::string, 3>& line : lines) {
        auto* item = new QTreeWidgetItem(list_, {ToQt(line[0]), ToQt(line[1]), ToQt(line[2])});
        for (int column : {1, 2}) item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    }
    if (list_->topLevelItemCount() > 0) list_->setCurrentItem(list_->topLevelItem(0));
    note_->setText(ToQt(note));
    note_->setVisible(!note.empty());
    show();
    raise();
}

void HintWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) return Pick();
    QDialog::keyPressEvent(event);
}

void HintWindow::Pick() {
    const int index = list_->indexOfTopLevelItem(list_->currentItem());
    if (!choosable_ || index < 0) return;
    hide();
    chosen_(index);
}
