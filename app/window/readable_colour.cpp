#include "app/window/readable_colour.h"

#include "scheme/contrast_ratio.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace {

// Text must reach 4.5:1 as drawn; styles draw a selection as a gradient around its colour and tint
// the current row's text with it, so the colours themselves are kept further apart.
constexpr double DesktopTextContrast = 5.5;

ColourValue ValueOf(const QColor& colour) {
    return MakeColour(colour.red(), colour.green(), colour.blue());
}

class ReadableColourKeeper : public QObject {
public:
    ReadableColourKeeper(QWidget* widget, QPalette::ColorRole adjusted, QPalette::ColorRole against,
                         std::optional<QColor> start)
        : QObject(widget), widget_(widget), adjusted_(adjusted), against_(against), start_(start) {
        widget->installEventFilter(this);
        apply();
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::PaletteChange)
            apply();
        return false;
    }

private:
    void apply() {
        // The desktop's colours are those the widget inherits, not the ones set here before.
        const QPalette desktop = widget_->parentWidget() ? widget_->parentWidget()->palette()
                                                         : QApplication::palette(widget_);
        QPalette readable = widget_->palette();
        for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
            const QColor from = start_.value_or(desktop.color(group, adjusted_));
            const ColourValue colour = ReadableOn(
                ValueOf(from), ValueOf(readable.color(group, against_)), DesktopTextContrast);
            readable.setColor(group, adjusted_,
                              QColor(RedOf(colour), GreenOf(colour), BlueOf(colour)));
        }
        // Setting the palette raises another palette change; only a new palette is set.
        if (readable != widget_->palette())
            widget_->setPalette(readable);
    }

    QWidget* widget_;
    QPalette::ColorRole adjusted_;
    QPalette::ColorRole against_;
    std::optional<QColor> start_;
};

} // namespace

void KeepReadable(QWidget* widget, QPalette::ColorRole adjusted, QPalette::ColorRole against,
                  std::optional<QColor> start) {
    new ReadableColourKeeper(widget, adjusted, against, start);
}
