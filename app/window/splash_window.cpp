#include "app/window/splash_window.h"

#include "assets/icons.h"

#include <QApplication>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

namespace {
QLabel* Named(const char* objectName) {
    auto* label = new QLabel;
    label->setObjectName(QLatin1String(objectName));
    return label;
}
} // namespace

SplashWindow::SplashWindow() : QWidget(nullptr, Qt::SplashScreen | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("splashWindow"));
    setWindowTitle(QStringLiteral("ZEF"));

    auto* picture = new QLabel;
    picture->setPixmap(ApplicationIcon().pixmap(QSize(96, 96)));
    auto* title = new QLabel(QStringLiteral("ZEF"));
    QFont big = title->font();
    big.setPointSize(big.pointSize() * 3);
    big.setBold(true);
    title->setFont(big);
    auto* subtitle = new QLabel(QStringLiteral("Siemens S55"));
    auto* heading = new QVBoxLayout;
    heading->addStretch(1);
    heading->addWidget(title);
    heading->addWidget(subtitle);
    heading->addStretch(1);

    auto* cpu = new QGroupBox(QStringLiteral("CPU Info"));
    auto* rows = new QFormLayout(cpu);
    processorNameLabel = Named("processorNameLabel");
    processorRevisionLabel = Named("processorRevisionLabel");
    processorSpeedLabel = Named("processorSpeedLabel");
    rows->addRow(QStringLiteral("Třída:"), processorNameLabel);
    rows->addRow(QStringLiteral("Identifikace:"), processorRevisionLabel);
    rows->addRow(QStringLiteral("Ryhlost:"), processorSpeedLabel);

    auto* top = new QHBoxLayout;
    top->addWidget(picture);
    top->addLayout(heading, 1);
    top->addWidget(cpu, 1);

    statusLabel = Named("statusLabel");
    statusLabel->setText(QStringLiteral("Spouštím aplikaci:"));
    progressBar = new QProgressBar;
    progressBar->setObjectName(QStringLiteral("progressBar"));
    progressBar->setTextVisible(false);
    progressBar->setAccessibleName(QStringLiteral("Start-up progress"));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(statusLabel);
    layout->addWidget(progressBar);
    setFixedSize(460, 200);
    setAutoFillBackground(true);
}

void SplashWindow::showProcessor(const QString& name, const QString& revision,
                                 const QString& speed) {
    processorNameLabel->setText(name);
    processorRevisionLabel->setText(revision);
    processorSpeedLabel->setText(speed);
}

void SplashWindow::setStatus(const QString& text) {
    statusLabel->setText(text);
    // Start-up keeps the event loop waiting; let the window show the new text first.
    QApplication::processEvents();
}

void SplashWindow::setProgressRange(int minimum, int maximum) {
    progressBar->setRange(minimum, maximum);
}

void SplashWindow::setProgress(int value) {
    progressBar->setValue(value);
    QApplication::processEvents();
}
