#include "app/window/flash_advice_dialog.h"

#include "assets/icons.h"

#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

FlashAdviceDialog::FlashAdviceDialog(const FlashAdvice& advice, QWidget* parent)
    : InfoDialog("flashAdviceDialog", advice.caption, MenuIcon(QStringLiteral("mnuFlashIco")),
                 parent) {
    addText("adviceLabel", advice.text);

    auto* speed = new QHBoxLayout;
    auto* pc = new QLabel(advice.pcLabel);
    pc->setObjectName(QStringLiteral("computerCaption"));
    auto* speedLabel = new QLabel(advice.speed);
    speedLabel->setObjectName(QStringLiteral("speedLabel"));
    pc->setBuddy(speedLabel);
    speed->addWidget(pc);
    speed->addWidget(speedLabel, 1);
    content()->addLayout(speed);

    auto* gauge = new QProgressBar;
    gauge->setObjectName(QStringLiteral("speedGauge"));
    gauge->setRange(0, FlashAdvice::GaugeMaximum);
    gauge->setTextVisible(false);
    gauge->setAccessibleName(advice.pcLabel);
    // A speed that is no number, or lies off the gauge, leaves it empty.
    gauge->setValue(advice.gauge.value_or(0));
    content()->addWidget(gauge);

    auto* marks = new QGridLayout;
    marks->addWidget(new QLabel(QStringLiteral("75 MHz")), 0, 0, Qt::AlignLeft);
    marks->addWidget(new QLabel(QStringLiteral("2 GHz")), 0, 1, Qt::AlignHCenter);
    marks->addWidget(new QLabel(QStringLiteral("4 GHz")), 0, 2, Qt::AlignRight);
    content()->addLayout(marks);
    addText("apologyLabel", advice.apology)->setVisible(!advice.apology.isEmpty());
}
