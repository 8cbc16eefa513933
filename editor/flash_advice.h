#pragma once

#include "host/processor_info.h"

#include <QString>
#include <optional>

class Editor;

// What the Flash on Select advice dialog shows: the advice in the interface language and this
// computer's speed, as text and on a gauge from 0 to 4000 MHz.
struct FlashAdvice {
    static constexpr int GaugeMaximum = 4000; // MHz

    QString caption;
    QString text;    // adviceLabel
    QString pcLabel; // computerCaption
    QString apology; // apologyLabel
    QString speed;   // speedLabel
    // Empty when the speed is no number or lies off the gauge.
    std::optional<int> gauge;

    friend bool operator==(const FlashAdvice&, const FlashAdvice&) = default;
};

FlashAdvice FlashAdviceFor(const Editor& editor);

// Help, Flash on Select (and the help button beside the option): the advice, modal.
void ShowFlashAdvice(Editor& editor);

// Start-up's first step: reads the processor data, keeps the speed text in the editor and
// returns the data for the start-up window's labels (speed followed by " MHz").
ProcessorInfo ReadProcessorData(Editor& editor, const ProcessorSources& sources = {});

// The main window's first activation: a speed of 300 MHz or less unticks Flash on Select. A
// speed that is no 16-bit number ("x") leaves the option alone.
void ApplySpeedAdvice(Editor& editor);
