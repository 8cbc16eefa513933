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
    setObjectName(QStringLiteral("frmSplash"));
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
    lblLevel = Named("lblLevel");
    lblRevision = Named("lblRevision");
    lblRychlost = Named("lblRychlost");
    rows->addRow(QStringLiteral("Třída:"), lblLevel);
    rows->addRow(QStringLiteral("Identifikace:"), lblRevision);
    rows->addRow(QStringLiteral("Ryhlost:"), lblRychlost);

    auto* top = new QHBoxLayout;
    top->addWidget(picture);
    top->addLayout(heading, 1);
    top->addWidget(cpu, 1);

    lblInfo = Named("lblInfo");
    lblInfo->setText(QStringLiteral("Spouštím aplikaci:"));
    pb1 = new QProgressBar;
    pb1->setObjectName(QStringLiteral("pb1"));
    pb1->setTextVisible(false);
    pb1->setAccessibleName(QStringLiteral("Start-up progress"));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(lblInfo);
    layout->addWidget(pb1);
    setFixedSize(460, 200);
    setAutoFillBackground(true);
}

void SplashWindow::showProcessor(const QString& name, const QString& revision,
                                 const QString& speed) {
    lblLevel->setText(name);
    lblRevision->setText(revision);
    lblRychlost->setText(speed);
}

void SplashWindow::setStatus(const QString& text) {
    lblInfo->setText(text);
    // Start-up keeps the event loop waiting; let the window show the new text first.
    QApplication::processEvents();
}

void SplashWindow::setProgressRange(int minimum, int maximum) {
    pb1->setRange(minimum, maximum);
}

void SplashWindow::setProgress(int value) {
    pb1->setValue(value);
    QApplication::processEvents();
}
