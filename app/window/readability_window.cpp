#include "app/window/readability_window.h"

#include "assets/icons.h"
#include "editor/editor.h"
#include "preview/paint_owners.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>

ReadabilityWindow::ReadabilityWindow(Editor& editor, QWidget* parent)
    : QDialog(parent), editor_(editor) {
    setObjectName(QStringLiteral("readabilityWindow"));
    setWindowIcon(MenuIcon(QStringLiteral("mnuReadabilityIco")));
    // Beside the editor, never in its way.
    setModal(false);
    resize(640, 360);

    explanationLabel_ = new QLabel;
    explanationLabel_->setObjectName(QStringLiteral("explanationLabel"));
    explanationLabel_->setWordWrap(true);

    weakPairsCaption_ = new QLabel;
    weakPairsCaption_->setObjectName(QStringLiteral("weakPairsCaption"));
    weakPairsList_ = new QTreeWidget;
    weakPairsList_->setObjectName(QStringLiteral("weakPairsList"));
    weakPairsList_->setRootIsDecorated(false);
    weakPairsList_->setUniformRowHeights(true);
    weakPairsList_->setAllColumnsShowFocus(true);
    weakPairsList_->setColumnCount(4);
    // The ratio and the screens in full; the names share the rest, cut where they must be (their
    // tool tips hold them whole).
    QHeaderView* header = weakPairsList_->header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    header->setSectionResizeMode(1, QHeaderView::Stretch);
    header->setSectionResizeMode(2, QHeaderView::Stretch);
    weakPairsCaption_->setBuddy(weakPairsList_);
    connect(weakPairsList_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        const int row = weakPairsList_->indexOfTopLevelItem(item);
        if (row < 0 || row >= shown_.rows.size())
            return;
        // As a click on the element's entry in the list.
        editor_.list.elements.setCurrent(shown_.rows.at(row).upper - 1);
        emit edited();
    });
    auto* listPage = new QWidget;
    auto* listLayout = new QVBoxLayout(listPage);
    listLayout->setContentsMargins(0, 0, 0, 0);
    listLayout->addWidget(weakPairsCaption_);
    listLayout->addWidget(weakPairsList_, 1);

    noWeakPairLabel_ = new QLabel;
    noWeakPairLabel_->setObjectName(QStringLiteral("noWeakPairLabel"));
    noWeakPairLabel_->setWordWrap(true);
    noWeakPairLabel_->setAlignment(Qt::AlignCenter);

    pages_ = new QStackedWidget;
    pages_->addWidget(listPage);
    pages_->addWidget(noWeakPairLabel_);

    closeButton_ = new QPushButton;
    closeButton_->setObjectName(QStringLiteral("closeButton"));
    // Enter on a row selects its element; it must not close the window as well.
    closeButton_->setAutoDefault(false);
    connect(closeButton_, &QPushButton::clicked, this, &QDialog::close);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(closeButton_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(explanationLabel_);
    layout->addWidget(pages_, 1);
    layout->addLayout(buttons);
}

ReadabilityWindow::~ReadabilityWindow() = default;

void ReadabilityWindow::showBesideParent() {
    if (!owners_ && editor_.preview)
        owners_ = std::make_unique<PaintOwners>(*editor_.preview);
    if (!placed_ && parentWidget()) {
        placed_ = true;
        // To the right of the editor, else to its left, narrower where the screen has less room;
        // over the editor's right edge only where there is no room beside it at all.
        constexpr int Gap = 8, NarrowestWidth = 420;
        const QRect editor = parentWidget()->frameGeometry();
        const QRect room = parentWidget()->screen()->availableGeometry();
        const int rightRoom = room.right() - editor.right() - Gap;
        const int leftRoom = editor.left() - Gap - room.left();
        const int besideWidth = std::min(width(), std::max(rightRoom, leftRoom));
        if (besideWidth >= NarrowestWidth) {
            resize(besideWidth, height());
            move(rightRoom >= besideWidth ? editor.right() + Gap : editor.left() - Gap - width(),
                 editor.top());
        } else {
            move(std::max(room.left(), room.right() - width()), editor.top());
        }
    }
    show();
    raise();
    activateWindow();
    showState();
}

void ReadabilityWindow::showState() {
    if (!isVisible() || !owners_)
        return;
    const ReadabilityInfo info = ReadabilityInfoFor(editor_, *owners_);
    if (info == shown_)
        return;
    setWindowTitle(info.caption);
    explanationLabel_->setText(info.explanation);
    weakPairsCaption_->setText(info.listCaption);
    weakPairsList_->setAccessibleName(info.listCaption);
    weakPairsList_->setHeaderLabels(QStringList(info.columns.begin(), info.columns.end()));
    noWeakPairLabel_->setText(info.noPairText);
    closeButton_->setText(info.closeText);
    pages_->setCurrentIndex(info.rows.isEmpty() ? 1 : 0);
    if (info.rows != shown_.rows) {
        // The row with the keyboard stays on its pair, wherever the pair now stands.
        QTreeWidgetItem* current = weakPairsList_->currentItem();
        const int currentRow = current ? weakPairsList_->indexOfTopLevelItem(current) : -1;
        const std::optional<ReadabilityRow> kept =
            currentRow >= 0 && currentRow < shown_.rows.size()
                ? std::optional(shown_.rows.at(currentRow))
                : std::nullopt;
        weakPairsList_->clear();
        for (const ReadabilityRow& row : info.rows) {
            auto* item = new QTreeWidgetItem(
                weakPairsList_, QStringList{row.ratio, row.front, row.behind, row.screens});
            item->setToolTip(1, row.front);
            item->setToolTip(2, row.behind);
            if (kept && row.upper == kept->upper && row.lower == kept->lower)
                weakPairsList_->setCurrentItem(item);
        }
    }
    shown_ = info;
}
