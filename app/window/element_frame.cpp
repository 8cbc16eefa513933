#include "app/window/element_frame.h"

#include "app/editor.h"
#include "app/window/element_list_view.h"
#include "app/window/pixel_view.h"
#include "app/window/value_label.h"
#include "i18n/main_window_texts.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

using namespace MainWindowTexts;

ElementFrame::ElementFrame(Editor& editor, QWidget* parent)
    : EditorFrame(editor, "frmItems", parent) {
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(6, 4, 6, 6);
    layout->setVerticalSpacing(3);

    lstItem = new ElementListView;
    lstItem->setObjectName(QStringLiteral("lstItem"));
    for (int p = 0; p < editor_.elementList.count(); ++p) {
        auto* item = new QListWidgetItem(lstItem);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    connect(lstItem, &ElementListView::checkBoxClicked, this, [this](int row) {
        editor_.elementList.clickCheckBox(row);
        emit edited();
    });
    connect(lstItem, &QListWidget::currentRowChanged, this, [this](int row) {
        if (showing_ || row < 0)
            return;
        editor_.elementList.setCurrent(row);
        emit edited();
    });
    // A check state changed some other way (an assistive tool's toggle) is a click all the same.
    connect(lstItem, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        const int p = lstItem->row(item);
        if (showing_ || (item->checkState() == Qt::Checked) == editor_.elementList.isChecked(p))
            return;
        editor_.elementList.clickCheckBox(p);
        emit edited();
    });
    layout->addWidget(lstItem, 0, 0, 1, 4);
    layout->setRowStretch(0, 1);

    lblSchema = new QLabel;
    lblSchema->setObjectName(QStringLiteral("lblSchema"));
    txtName = new QLineEdit;
    txtName->setObjectName(QStringLiteral("txtName"));
    lblSchema->setBuddy(txtName);
    connect(txtName, &QLineEdit::textEdited, this, [this](const QString& text) {
        editor_.setNameBoxText(text);
        emit edited();
    });
    layout->addWidget(lblSchema, 1, 0);
    layout->addWidget(txtName, 1, 1, 1, 3);

    lblSoubor = new QLabel;
    lblSoubor->setObjectName(QStringLiteral("lblSoubor"));
    lblFile = new QLabel;
    lblFile->setObjectName(QStringLiteral("lblFile"));
    lblFile->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(lblSoubor, 2, 0);
    layout->addWidget(lblFile, 2, 1, 1, 3);

    lblSelItem = new QLabel;
    lblSelItem->setObjectName(QStringLiteral("lblSelItem"));
    layout->addWidget(lblSelItem, 3, 0, 1, 4);

    Picture6 = new PixelView(QSize(28, 18), 1, 0, QStringLiteral("Element colour"));
    Picture6->setObjectName(QStringLiteral("Picture6"));
    Picture6->setCursor(Qt::ArrowCursor);
    auto* components = NewValueRow();
    components->addWidget(Picture6);
    components->addSpacing(4);
    lblRS = AddValueLabel(components, QStringLiteral("R:"), "lblRS");
    lblGS = AddValueLabel(components, QStringLiteral("G:"), "lblGS");
    lblBS = AddValueLabel(components, QStringLiteral("B:"), "lblBS");
    components->addStretch(1);
    layout->addLayout(components, 4, 0, 1, 4);
    layout->setColumnStretch(1, 1);
}

void ElementFrame::setTexts(Language language) {
    setTitle(Caption(elementFrame, language));
    lstItem->setAccessibleName(Caption(elementFrame, language));
    lblSchema->setText(Caption(MainWindowTexts::schemeNameCaption, language));
    txtName->setAccessibleName(Caption(MainWindowTexts::schemeNameCaption, language));
    lblSoubor->setText(Caption(MainWindowTexts::fileNameCaption, language));
    lblFile->setAccessibleName(Caption(MainWindowTexts::fileNameCaption, language));
}

void ElementFrame::showState() {
    showing_ = true;
    const ElementList& list = editor_.elementList;
    for (int p = 0; p < list.count(); ++p) {
        QListWidgetItem* item = lstItem->item(p);
        const QString& text = list.entry(p).text;
        if (item->text() != text) {
            item->setText(text);
            // The list is narrower than its longest entries.
            item->setToolTip(text);
        }
        item->setCheckState(list.isChecked(p) ? Qt::Checked : Qt::Unchecked);
    }
    lstItem->setEnabled(list.enabled);
    if (list.current() >= 0 && lstItem->currentRow() != list.current())
        lstItem->setCurrentRow(list.current());
    if (txtName->text() != editor_.nameBoxText())
        txtName->setText(editor_.nameBoxText());
    lblFile->setText(editor_.fileLabel);
    lblSelItem->setText(editor_.selectedItemText);
    lblSelItem->setToolTip(editor_.selectedItemText);
    Picture6->showColour(editor_.swatchColour);
    lblRS->setText(QString::number(editor_.selectedRed));
    lblGS->setText(QString::number(editor_.selectedGreen));
    lblBS->setText(QString::number(editor_.selectedBlue));
    showing_ = false;
}
