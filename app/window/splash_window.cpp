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
    processorNameLabel_ = Named("processorNameLabel");
    processorRevisionLabel_ = Named("processorRevisionLabel");
    processorSpeedLabel_ = Named("processorSpeedLabel");
    rows->addRow(QStringLiteral("Třída:"), processorNameLabel_);
    rows->addRow(QStringLiteral("Identifikace:"), processorRevisionLabel_);
    rows->addRow(QStringLiteral("Ryhlost:"), processorSpeedLabel_);

    auto* top = new QHBoxLayout;
    top->addWidget(picture);
    top->addLayout(heading, 1);
    top->addWidget(cpu, 1);

    statusLabel_ = Named("statusLabel");
    statusLabel_->setText(QStringLiteral("Spouštím aplikaci:"));
    progressBar_ = new QProgressBar;
    progressBar_->setObjectName(QStringLiteral("progressBar"));
    progressBar_->setTextVisible(false);
    progressBar_->setAccessibleName(QStringLiteral("Start-up progress"));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(statusLabel_);
    layout->addWidget(progressBar_);
    setFixedSize(460, 200);
    setAutoFillBackground(true);
}

void SplashWindow::showProcessor(const QString& name, const QString& revision,
                                 const QString& speed) {
    processorNameLabel_->setText(name);
    processorRevisionLabel_->setText(revision);
    processorSpeedLabel_->setText(speed);
}

void SplashWindow::setStatus(const QString& text) {
    statusLabel_->setText(text);
    // Start-up keeps the event loop waiting; let the window show the new text first.
    QApplication::processEvents();
}

void SplashWindow::setProgressRange(int minimum, int maximum) {
    progressBar_->setRange(minimum, maximum);
}

void SplashWindow::setProgress(int value) {
    progressBar_->setValue(value);
    QApplication::processEvents();
}
