#include "app/main_window.h"

#include "app/editor.h"
#include "app/screen_view.h"
#include "i18n/main_window_texts.h"
#include "preview/preview.h"
#include "preview/preview_pointer.h"
#include "scheme/document_commands.h"
#include "scheme/scheme_reader.h"
#include "scheme/starter_schemes.h"
#include "scheme/undo_redo.h"
#include "workspace/safe_scheme.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

using namespace MainWindowTexts;

namespace {
// The window's fixed size.
constexpr int WindowWidth = 695;
constexpr int WindowHeight = 550;
} // namespace

MainWindow::MainWindow(Editor& editor, Preview& preview, QString fileToOpen)
    : editor_(editor), preview_(preview), fileToOpen_(std::move(fileToOpen)) {
    setWindowTitle(Caption(frmMain, editor_.language));
    buildMenus();

    auto* central = new QWidget(this);
    auto* layout = new QGridLayout(central);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(buildElementFrame(), 0, 0, 2, 1);
    layout->addWidget(buildPreviewFrame(), 0, 1, 2, 1);
    layout->addWidget(buildZoomFrame(), 0, 2);
    layout->addWidget(buildOptionFrame(), 1, 2);
    setCentralWidget(central);
    setFixedSize(WindowWidth, WindowHeight);

    editor_.previewRedrawn = [this](const QString&) {
        showPreview();
    };
    showState();
}

void MainWindow::buildMenus() {
    const Language language = editor_.language;
    QMenu* file = menuBar()->addMenu(Caption(mnuSouborTOP, language));
    QMenu* newMenu = file->addMenu(Caption(mnuNovyIco, language));
    const auto starter = [this](Starter s) {
        return [this, s] {
            CreateStarterScheme(editor_, s);
            showState();
        };
    };
    newMenu->addAction(Caption(mnuBlueIco, language), QKeySequence(Qt::CTRL | Qt::Key_N), this,
                       starter(Starter::Blue));
    newMenu->addAction(Caption(mnuRedIco, language), this, starter(Starter::Red));
    newMenu->addAction(Caption(mnuGreenIco, language), this, starter(Starter::Green));
    file->addAction(Caption(mnuOtevritIco, language), QKeySequence(Qt::CTRL | Qt::Key_O), this,
                    [this] {
                        OpenScheme(editor_);
                        showState();
                    });
    file->addAction(Caption(mnuUlozitIco, language), QKeySequence(Qt::CTRL | Qt::Key_S), this,
                    [this] {
                        SaveScheme(editor_);
                        showState();
                    });
    file->addAction(Caption(mnuSaveAsIco, language), this, [this] {
        SaveSchemeAs(editor_);
        showState();
    });
    file->addSeparator();
    // No question on exit: unsaved changes are lost, as the program always did.
    file->addAction(Caption(mnuKonecIco, language), QKeySequence(Qt::CTRL | Qt::Key_Q), this,
                    &QWidget::close);

    QMenu* edit = menuBar()->addMenu(Caption(mnuEditTOP, language));
    mnuUndoIco = edit->addAction(Caption(MainWindowTexts::mnuUndoIco, language),
                                 QKeySequence(Qt::CTRL | Qt::Key_Z), this, [this] {
                                     Undo(editor_);
                                     showState();
                                 });
    mnuRedoIco = edit->addAction(Caption(MainWindowTexts::mnuRedoIco, language),
                                 QKeySequence(Qt::CTRL | Qt::Key_R), this, [this] {
                                     Redo(editor_);
                                     showState();
                                 });
}

QWidget* MainWindow::buildElementFrame() {
    const Language language = editor_.language;
    auto* frame = new QGroupBox(Caption(frmItems, language));
    auto* layout = new QVBoxLayout(frame);
    lstItem = new QListWidget;
    for (int p = 0; p < editor_.elementList.count(); ++p) {
        auto* item = new QListWidgetItem(lstItem);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    }
    connect(lstItem, &QListWidget::itemChanged, this, &MainWindow::elementChanged);
    connect(lstItem, &QListWidget::currentRowChanged, this, [this](int row) {
        if (showing_ || row < 0)
            return;
        editor_.elementList.setCurrent(row);
        showState();
    });
    layout->addWidget(lstItem, 1);

    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(new QLabel(Caption(lblSchema, language)));
    txtName = new QLineEdit;
    connect(txtName, &QLineEdit::textEdited, this,
            [this](const QString& text) { editor_.setNameBoxText(text); });
    nameRow->addWidget(txtName, 1);
    layout->addLayout(nameRow);

    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(new QLabel(Caption(lblSoubor, language)));
    lblFile = new QLabel;
    fileRow->addWidget(lblFile, 1);
    layout->addLayout(fileRow);

    lblSelItem = new QLabel;
    layout->addWidget(lblSelItem);
    auto* swatchRow = new QHBoxLayout;
    Picture6 = new QLabel;
    Picture6->setFixedSize(32, 20);
    Picture6->setAutoFillBackground(true);
    Picture6->setFrameShape(QFrame::Box);
    swatchRow->addWidget(Picture6);
    lblComponents = new QLabel;
    swatchRow->addWidget(lblComponents, 1);
    layout->addLayout(swatchRow);
    frame->setFixedWidth(230);
    return frame;
}

QWidget* MainWindow::buildPreviewFrame() {
    const Language language = editor_.language;
    auto* frame = new QGroupBox(Caption(frmPreview, language));
    auto* layout = new QGridLayout(frame);
    layout->setSpacing(4);
    for (int i = 0; i < ScreenCount; ++i) {
        picPrev[i] = new ScreenView(1, 0);
        connect(picPrev[i], &ScreenView::pointerMoved, this, [this, i](int x, int y) {
            HoverPreview(editor_, i, x, y);
            lblOver->setText(editor_.hoverText);
        });
        connect(picPrev[i], &ScreenView::clicked, this, [this, i] {
            ClickPreview(editor_, i);
            showState();
        });
        layout->addWidget(picPrev[i], i / 2, i % 2);
    }
    auto* note = new QLabel(Caption(lblNeobsahuji, language));
    note->setWordWrap(true);
    layout->addWidget(note, 5, 0, 1, 2);
    chkLCD = new QCheckBox(Caption(MainWindowTexts::chkLCD, language));
    connect(chkLCD, &QCheckBox::clicked, this, [this](bool on) {
        editor_.options.lcdColours = on;
        RedrawPreview(editor_, QStringLiteral("all"));
    });
    layout->addWidget(chkLCD, 6, 0);
    auto* refresh = new QPushButton(Caption(MainWindowTexts::cmdRefresh, language));
    connect(refresh, &QPushButton::clicked, this,
            [this] { RedrawPreview(editor_, QStringLiteral("all")); });
    layout->addWidget(refresh, 6, 1);
    return frame;
}

QWidget* MainWindow::buildZoomFrame() {
    auto* frame = new QGroupBox(Caption(frmZoom, editor_.language));
    auto* layout = new QVBoxLayout(frame);
    // Two view pixels a screen pixel, the screen two pixels inside the view's corner.
    imgMap = new ScreenView(2, 2);
    connect(imgMap, &ScreenView::pointerMoved, this, [this](int x, int y) {
        HoverZoomView(editor_, x, y);
        lblOver->setText(editor_.hoverText);
    });
    connect(imgMap, &ScreenView::clicked, this, [this] {
        ClickPreview(editor_, preview_.ZoomScreen);
        showState();
    });
    layout->addWidget(imgMap);
    lblOver = new QLabel;
    lblOver->setWordWrap(true);
    lblOver->setMinimumHeight(32);
    layout->addWidget(lblOver);
    return frame;
}

QWidget* MainWindow::buildOptionFrame() {
    const Language language = editor_.language;
    auto* frame = new QGroupBox(Caption(frmOption, language));
    auto* layout = new QVBoxLayout(frame);
    chkAuto = new QCheckBox(Caption(MainWindowTexts::chkAuto, language));
    connect(chkAuto, &QCheckBox::clicked, this, [this](bool on) {
        editor_.options.autoRedraw = on;
        if (on)
            RedrawPreview(editor_, QStringLiteral("all"));
    });
    layout->addWidget(chkAuto);
    chkSecure = new QCheckBox(Caption(MainWindowTexts::chkSecure, language));
    connect(chkSecure, &QCheckBox::clicked, this, [this](bool on) {
        SetSafeScheme(editor_, on);
        showState();
    });
    layout->addWidget(chkSecure);
    layout->addStretch(1);
    return frame;
}

void MainWindow::elementChanged(QListWidgetItem* item) {
    if (showing_)
        return;
    const int p = lstItem->row(item);
    if ((item->checkState() == Qt::Checked) != editor_.elementList.isChecked(p))
        editor_.elementList.clickCheckBox(p);
    showState();
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!activated_) {
        activated_ = true;
        // After the window is on screen, as the first activation always came.
        QTimer::singleShot(0, this, &MainWindow::firstActivation);
    }
}

void MainWindow::firstActivation() {
    RedrawPreview(editor_, QStringLiteral("all"));
    editor_.document.modified = false;
    QString path = fileToOpen_;
    if (path.startsWith(QLatin1Char('"')))
        path = path.mid(1, path.size() - 2);
    if (!path.isEmpty() && TestMakeProject(editor_)) {
        ClearHistory(editor_);
        if (ReadSchemeFile(editor_, path)) {
            editor_.document.filePath = path;
            editor_.fileLabel = QFileInfo(path).fileName();
        }
    }
    showState();
}

void MainWindow::showState() {
    showing_ = true;
    const ElementList& list = editor_.elementList;
    for (int p = 0; p < list.count(); ++p) {
        QListWidgetItem* item = lstItem->item(p);
        item->setText(list.entry(p).text);
        item->setCheckState(list.isChecked(p) ? Qt::Checked : Qt::Unchecked);
    }
    lstItem->setEnabled(list.enabled);
    if (list.current() >= 0)
        lstItem->setCurrentRow(list.current());
    if (txtName->text() != editor_.nameBoxText())
        txtName->setText(editor_.nameBoxText());
    lblFile->setText(editor_.fileLabel);
    lblSelItem->setText(editor_.selectedItemText);
    const ColourValue c = editor_.swatchColour;
    QPalette swatch = Picture6->palette();
    swatch.setColor(QPalette::Window, QColor(RedOf(c), GreenOf(c), BlueOf(c)));
    Picture6->setPalette(swatch);
    lblComponents->setText(QStringLiteral("R: %1   G: %2   B: %3")
                               .arg(editor_.selectedRed)
                               .arg(editor_.selectedGreen)
                               .arg(editor_.selectedBlue));
    chkAuto->setChecked(editor_.options.autoRedraw);
    chkLCD->setChecked(editor_.options.lcdColours);
    chkSecure->setChecked(editor_.options.safeScheme);
    mnuUndoIco->setEnabled(editor_.commands.undoEnabled);
    mnuRedoIco->setEnabled(editor_.commands.redoEnabled);
    showing_ = false;
    showPreview();
}

void MainWindow::showPreview() {
    for (int i = 0; i < ScreenCount; ++i)
        picPrev[i]->setPicture(preview_.screen(i));
    imgMap->setPicture(preview_.zoomView);
}
