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

    elementList = new ElementListView;
    elementList->setObjectName(QStringLiteral("elementList"));
    for (int p = 0; p < editor_.list.elements.count(); ++p) {
        auto* item = new QListWidgetItem(elementList);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    connect(elementList, &ElementListView::checkBoxClicked, this, [this](int row) {
        editor_.list.elements.clickCheckBox(row);
        emit edited();
    });
    connect(elementList, &QListWidget::currentRowChanged, this, [this](int row) {
        if (showing_ || row < 0)
            return;
        editor_.list.elements.setCurrent(row);
        emit edited();
    });
    // A check state changed some other way (an assistive tool's toggle) is a click all the same.
    connect(elementList, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        const int p = elementList->row(item);
        if (showing_ || (item->checkState() == Qt::Checked) == editor_.list.elements.isChecked(p))
            return;
        editor_.list.elements.clickCheckBox(p);
        emit edited();
    });
    layout->addWidget(elementList, 0, 0, 1, 4);
    layout->setRowStretch(0, 1);

    schemeNameCaption = new QLabel;
    schemeNameCaption->setObjectName(QStringLiteral("schemeNameCaption"));
    schemeNameBox = new QLineEdit;
    schemeNameBox->setObjectName(QStringLiteral("schemeNameBox"));
    schemeNameCaption->setBuddy(schemeNameBox);
    connect(schemeNameBox, &QLineEdit::textEdited, this, [this](const QString& text) {
        editor_.setNameBoxText(text);
        emit edited();
    });
    // Inside the box, so that the box keeps its size when the mark shows.
    nameWarningMark = schemeNameBox->addAction(style()->standardIcon(QStyle::SP_MessageBoxWarning),
                                               QLineEdit::TrailingPosition);
    nameWarningMark->setObjectName(QStringLiteral("nameWarningMark"));
    nameWarningMark->setVisible(false);
    layout->addWidget(schemeNameCaption, 1, 0);
    layout->addWidget(schemeNameBox, 1, 1, 1, 3);

    fileNameCaption = new QLabel;
    fileNameCaption->setObjectName(QStringLiteral("fileNameCaption"));
    fileNameLabel = new QLabel;
    fileNameLabel->setObjectName(QStringLiteral("fileNameLabel"));
    fileNameLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Long file and element names are cut at the frame's edge rather than widen the column.
    fileNameLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    // Screen readers read the file name itself, labelled by its caption.
    fileNameCaption->setBuddy(fileNameLabel);
    layout->addWidget(fileNameCaption, 2, 0);
    layout->addWidget(fileNameLabel, 2, 1, 1, 3);
    // The captions' column is as wide as the widest caption of any language, so that the name
    // box keeps its place and size whatever the language.
    int captionWidth = 0;
    for (const Language language : {Language::Czech, Language::English, Language::German})
        for (const LocalisedText* caption :
             {&MainWindowTexts::schemeNameCaption, &MainWindowTexts::fileNameCaption}) {
            fileNameCaption->setText(Caption(*caption, language));
            captionWidth = std::max(captionWidth, fileNameCaption->sizeHint().width());
        }
    layout->setColumnMinimumWidth(0, captionWidth);

    selectedElementLabel = new QLabel;
    selectedElementLabel->setObjectName(QStringLiteral("selectedElementLabel"));
    selectedElementLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    layout->addWidget(selectedElementLabel, 3, 0, 1, 4);

    elementColourPicture = new PixelView(QSize(28, 18), 1, 0, QStringLiteral("Element colour"));
    elementColourPicture->setObjectName(QStringLiteral("elementColourPicture"));
    elementColourPicture->setCursor(Qt::ArrowCursor);
    auto* components = NewValueRow();
    components->addWidget(elementColourPicture);
    components->addSpacing(4);
    elementRedLabel = AddValueLabel(components, QStringLiteral("R:"), "elementRedLabel");
    elementGreenLabel = AddValueLabel(components, QStringLiteral("G:"), "elementGreenLabel");
    elementBlueLabel = AddValueLabel(components, QStringLiteral("B:"), "elementBlueLabel");
    components->addStretch(1);
    layout->addLayout(components, 4, 0, 1, 4);
    layout->setColumnStretch(1, 1);
}

void ElementFrame::setTexts(Language language) {
    setTitle(Caption(elementFrame, language));
    elementList->setAccessibleName(Caption(elementFrame, language));
    schemeNameCaption->setText(Caption(MainWindowTexts::schemeNameCaption, language));
    schemeNameBox->setAccessibleName(Caption(MainWindowTexts::schemeNameCaption, language));
    fileNameCaption->setText(Caption(MainWindowTexts::fileNameCaption, language));
    // The mark's text is its tool tip and what a screen reader says of it; it draws only its icon.
    nameWarningMark->setText(Caption(MainWindowTexts::nameWarning, language));
    nameWarningMark->setToolTip(nameWarningMark->text());
    showNameWarning();
}

void ElementFrame::showNameWarning() {
    const bool shown = editor_.nameWarningShown();
    nameWarningMark->setVisible(shown);
    // The box itself says it too, to the pointer anywhere over it and to a screen reader in it.
    const QString warning = shown ? nameWarningMark->text() : QString();
    schemeNameBox->setToolTip(warning);
    schemeNameBox->setAccessibleDescription(warning);
}

void ElementFrame::showState() {
    showing_ = true;
    const ElementList& list = editor_.list.elements;
    for (int p = 0; p < list.count(); ++p) {
        QListWidgetItem* item = elementList->item(p);
        const QString& text = list.entry(p).text;
        if (item->text() != text) {
            item->setText(text);
            // The list is narrower than its longest entries.
            item->setToolTip(text);
        }
        item->setCheckState(list.isChecked(p) ? Qt::Checked : Qt::Unchecked);
    }
    elementList->setEnabled(list.enabled);
    if (list.current() >= 0 && elementList->currentRow() != list.current())
        elementList->setCurrentRow(list.current());
    if (schemeNameBox->text() != editor_.nameBoxText())
        schemeNameBox->setText(editor_.nameBoxText());
    showNameWarning();
    fileNameLabel->setText(editor_.shown.fileLabel);
    selectedElementLabel->setText(editor_.shown.selectedItemText);
    selectedElementLabel->setToolTip(editor_.shown.selectedItemText);
    elementColourPicture->showColour(editor_.shown.swatchColour);
    elementRedLabel->setText(QString::number(editor_.shown.selectedRed));
    elementGreenLabel->setText(QString::number(editor_.shown.selectedGreen));
    elementBlueLabel->setText(QString::number(editor_.shown.selectedBlue));
    showing_ = false;
}
