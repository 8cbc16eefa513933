#include "editor/flash_advice.h"

#include "editor/editor.h"
#include "i18n/flash_advice_texts.h"

FlashAdvice FlashAdviceFor(const Editor& editor) {
    using namespace FlashAdviceTexts;
    const Language language = editor.language;
    FlashAdvice advice{FlashAdviceDialogTitle.inOrBuiltIn(language),
                       AdviceLabel.inOrBuiltIn(language),
                       ComputerCaption.inOrBuiltIn(language),
                       ApologyLabel.inOrBuiltIn(language),
                       editor.shown.processorSpeedText + QStringLiteral(" MHz"),
                       std::nullopt};
    // The speed is read as a 16-bit number, as the gauge always took it.
    bool number = false;
    const short mhz = editor.shown.processorSpeedText.toShort(&number);
    if (number && mhz >= 0 && mhz <= FlashAdvice::GaugeMaximum)
        advice.gauge = mhz;
    return advice;
}

void ShowFlashAdvice(Editor& editor) {
    editor.dialogWasShown = true;
    editor.dialogs.showFlashAdvice(FlashAdviceFor(editor));
}

ProcessorInfo ReadProcessorData(Editor& editor, const ProcessorSources& sources) {
    const ProcessorInfo info = GetProcessorInfo(sources);
    editor.shown.processorSpeedText = SpeedText(info);
    return info;
}

// A computer this slow or slower gets no flash on select.
constexpr int SlowComputerMHz = 300;

void ApplySpeedAdvice(Editor& editor) {
    // Read as a 16-bit number, as the advice always read it: a speed beyond that range is no
    // number to it and changes nothing.
    bool number = false;
    const short mhz = editor.shown.processorSpeedText.toShort(&number);
    if (number && mhz <= SlowComputerMHz)
        editor.options.flashOnSelect = false;
}
