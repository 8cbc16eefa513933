#pragma once

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
