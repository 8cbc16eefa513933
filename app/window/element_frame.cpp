#include "app/window/element_frame.h"

#include "app/window/element_list_view.h"
#include "app/window/pixel_view.h"
#include "app/window/value_label.h"
#include "editor/editor.h"
#include "i18n/main_window_texts.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>

using namespace MainWindowTexts;

ElementFrame::ElementFrame(Editor& editor, QWidget* parent)
    : EditorFrame(editor, "elementFrame", parent) {
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(6, 4, 6, 6);
    layout->setVerticalSpacing(3);

    elementList_ = new ElementListView;
    elementList_->setObjectName(QStringLiteral("elementList"));
    for (int p = 0; p < editor_.list.elements.count(); ++p) {
        auto* item = new QListWidgetItem(elementList_);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    connect(elementList_, &ElementListView::checkBoxClicked, this, [this](int row) {
        editor_.list.elements.clickCheckBox(row);
        emit edited();
    });
    connect(elementList_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (showing_ || row < 0)
            return;
        editor_.list.elements.setCurrent(row);
        emit edited();
    });
    // A check state changed some other way (an assistive tool's toggle) is a click all the same.
    connect(elementList_, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        const int p = elementList_->row(item);
        if (showing_ || (item->checkState() == Qt::Checked) == editor_.list.elements.isChecked(p))
            return;
        editor_.list.elements.clickCheckBox(p);
        emit edited();
    });
    layout->addWidget(elementList_, 0, 0, 1, 4);
    layout->setRowStretch(0, 1);

    schemeNameCaption_ = new QLabel;
    schemeNameCaption_->setObjectName(QStringLiteral("schemeNameCaption"));
    schemeNameBox_ = new QLineEdit;
    schemeNameBox_->setObjectName(QStringLiteral("schemeNameBox"));
    schemeNameCaption_->setBuddy(schemeNameBox_);
    connect(schemeNameBox_, &QLineEdit::textEdited, this, [this](const QString& text) {
        editor_.setNameBoxText(text);
        emit edited();
    });
    // Inside the box, so that the box keeps its size when the mark shows.
    nameWarningMark_ = schemeNameBox_->addAction(
        style()->standardIcon(QStyle::SP_MessageBoxWarning), QLineEdit::TrailingPosition);
    nameWarningMark_->setObjectName(QStringLiteral("nameWarningMark"));
    nameWarningMark_->setVisible(false);
    layout->addWidget(schemeNameCaption_, 1, 0);
    layout->addWidget(schemeNameBox_, 1, 1, 1, 3);

    fileNameCaption_ = new QLabel;
    fileNameCaption_->setObjectName(QStringLiteral("fileNameCaption"));
    fileNameLabel_ = new QLabel;
    fileNameLabel_->setObjectName(QStringLiteral("fileNameLabel"));
    fileNameLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Long file and element names are cut at the frame's edge rather than widen the column.
    fileNameLabel_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    // Screen readers read the file name itself, labelled by its caption.
    fileNameCaption_->setBuddy(fileNameLabel_);
    layout->addWidget(fileNameCaption_, 2, 0);
    layout->addWidget(fileNameLabel_, 2, 1, 1, 3);
    // The captions' column is as wide as the widest caption of any language, so that the name
    // box keeps its place and size whatever the language.
    int captionWidth = 0;
    for (const Language language : {Language::Czech, Language::English, Language::German})
        for (const LocalisedText* caption :
             {&MainWindowTexts::SchemeNameCaption, &MainWindowTexts::FileNameCaption}) {
            fileNameCaption_->setText(Caption(*caption, language));
            captionWidth = std::max(captionWidth, fileNameCaption_->sizeHint().width());
        }
    layout->setColumnMinimumWidth(0, captionWidth);

    selectedElementLabel_ = new QLabel;
    selectedElementLabel_->setObjectName(QStringLiteral("selectedElementLabel"));
    selectedElementLabel_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    layout->addWidget(selectedElementLabel_, 3, 0, 1, 4);

    elementColourPicture_ = new PixelView(QSize(28, 18), 1, 0, QStringLiteral("Element colour"));
    elementColourPicture_->setObjectName(QStringLiteral("elementColourPicture"));
    elementColourPicture_->setCursor(Qt::ArrowCursor);
    auto* components = NewValueRow();
    components->addWidget(elementColourPicture_);
    components->addSpacing(4);
    elementRedLabel_ = AddValueLabel(components, QStringLiteral("R:"), "elementRedLabel");
    elementGreenLabel_ = AddValueLabel(components, QStringLiteral("G:"), "elementGreenLabel");
    elementBlueLabel_ = AddValueLabel(components, QStringLiteral("B:"), "elementBlueLabel");
    components->addStretch(1);
    layout->addLayout(components, 4, 0, 1, 4);
    layout->setColumnStretch(1, 1);
}

void ElementFrame::setTexts(Language language) {
    setTitle(Caption(ElementFrameTitle, language));
    elementList_->setAccessibleName(Caption(ElementFrameTitle, language));
    schemeNameCaption_->setText(Caption(MainWindowTexts::SchemeNameCaption, language));
    schemeNameBox_->setAccessibleName(Caption(MainWindowTexts::SchemeNameCaption, language));
    fileNameCaption_->setText(Caption(MainWindowTexts::FileNameCaption, language));
    // The mark's text is its tool tip and what a screen reader says of it; it draws only its icon.
    nameWarningMark_->setText(Caption(MainWindowTexts::NameWarning, language));
    nameWarningMark_->setToolTip(nameWarningMark_->text());
    showNameWarning();
}

void ElementFrame::showNameWarning() {
    const bool shown = editor_.nameWarningShown();
    nameWarningMark_->setVisible(shown);
    // The box itself says it too, to the pointer anywhere over it and to a screen reader in it.
    const QString warning = shown ? nameWarningMark_->text() : QString();
    schemeNameBox_->setToolTip(warning);
    schemeNameBox_->setAccessibleDescription(warning);
}

void ElementFrame::showState() {
    showing_ = true;
    const ElementList& list = editor_.list.elements;
    for (int p = 0; p < list.count(); ++p) {
        QListWidgetItem* item = elementList_->item(p);
        const QString& text = list.entry(p).text;
        if (item->text() != text) {
            item->setText(text);
            // The list is narrower than its longest entries.
            item->setToolTip(text);
        }
        item->setCheckState(list.isChecked(p) ? Qt::Checked : Qt::Unchecked);
    }
    elementList_->setEnabled(list.enabled);
    if (list.current() >= 0 && elementList_->currentRow() != list.current())
        elementList_->setCurrentRow(list.current());
    if (schemeNameBox_->text() != editor_.nameBoxText())
        schemeNameBox_->setText(editor_.nameBoxText());
    showNameWarning();
    fileNameLabel_->setText(editor_.shown.fileLabel);
    selectedElementLabel_->setText(editor_.shown.selectedItemText);
    selectedElementLabel_->setToolTip(editor_.shown.selectedItemText);
    elementColourPicture_->showColour(editor_.shown.swatchColour);
    elementRedLabel_->setText(QString::number(editor_.shown.selectedRed));
    elementGreenLabel_->setText(QString::number(editor_.shown.selectedGreen));
    elementBlueLabel_->setText(QString::number(editor_.shown.selectedBlue));
    showing_ = false;
}
