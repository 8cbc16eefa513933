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

    explanationLabel = new QLabel;
    explanationLabel->setObjectName(QStringLiteral("explanationLabel"));
    explanationLabel->setWordWrap(true);

    weakPairsCaption = new QLabel;
    weakPairsCaption->setObjectName(QStringLiteral("weakPairsCaption"));
    weakPairsList = new QTreeWidget;
    weakPairsList->setObjectName(QStringLiteral("weakPairsList"));
    weakPairsList->setRootIsDecorated(false);
    weakPairsList->setUniformRowHeights(true);
    weakPairsList->setAllColumnsShowFocus(true);
    weakPairsList->setColumnCount(4);
    // The ratio and the screens in full; the names share the rest, cut where they must be (their
    // tool tips hold them whole).
    QHeaderView* header = weakPairsList->header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    header->setSectionResizeMode(1, QHeaderView::Stretch);
    header->setSectionResizeMode(2, QHeaderView::Stretch);
    weakPairsCaption->setBuddy(weakPairsList);
    connect(weakPairsList, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        const int row = weakPairsList->indexOfTopLevelItem(item);
        if (row < 0 || row >= shown_.rows.size())
            return;
        // As a click on the element's entry in the list.
        editor_.list.elements.setCurrent(shown_.rows.at(row).upper - 1);
        emit edited();
    });
    auto* listPage = new QWidget;
    auto* listLayout = new QVBoxLayout(listPage);
    listLayout->setContentsMargins(0, 0, 0, 0);
    listLayout->addWidget(weakPairsCaption);
    listLayout->addWidget(weakPairsList, 1);

    noWeakPairLabel = new QLabel;
    noWeakPairLabel->setObjectName(QStringLiteral("noWeakPairLabel"));
    noWeakPairLabel->setWordWrap(true);
    noWeakPairLabel->setAlignment(Qt::AlignCenter);

    pages = new QStackedWidget;
    pages->addWidget(listPage);
    pages->addWidget(noWeakPairLabel);

    closeButton = new QPushButton;
    closeButton->setObjectName(QStringLiteral("closeButton"));
    // Enter on a row selects its element; it must not close the window as well.
    closeButton->setAutoDefault(false);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::close);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(closeButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(explanationLabel);
    layout->addWidget(pages, 1);
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
    explanationLabel->setText(info.explanation);
    weakPairsCaption->setText(info.listCaption);
    weakPairsList->setAccessibleName(info.listCaption);
    weakPairsList->setHeaderLabels(QStringList(info.columns.begin(), info.columns.end()));
    noWeakPairLabel->setText(info.noPairText);
    closeButton->setText(info.closeText);
    pages->setCurrentIndex(info.rows.isEmpty() ? 1 : 0);
    if (info.rows != shown_.rows) {
        // The row with the keyboard stays on its pair, wherever the pair now stands.
        QTreeWidgetItem* current = weakPairsList->currentItem();
        const int currentRow = current ? weakPairsList->indexOfTopLevelItem(current) : -1;
        const std::optional<ReadabilityRow> kept =
            currentRow >= 0 && currentRow < shown_.rows.size()
                ? std::optional(shown_.rows.at(currentRow))
                : std::nullopt;
        weakPairsList->clear();
        for (const ReadabilityRow& row : info.rows) {
            auto* item = new QTreeWidgetItem(
                weakPairsList, QStringList{row.ratio, row.front, row.behind, row.screens});
            item->setToolTip(1, row.front);
            item->setToolTip(2, row.behind);
            if (kept && row.upper == kept->upper && row.lower == kept->lower)
                weakPairsList->setCurrentItem(item);
        }
    }
    shown_ = info;
}
