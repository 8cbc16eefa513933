#pragma once

#include "preview/bitmap_geometry.h"
#include "preview/image_map.h"
#include "preview/preview_layer.h"
#include "preview/redraw_target.h"
#include "preview/screen_layers.h"
#include "scheme/colour.h"
#include "scheme/scheme_document.h"

#include <QImage>
#include <QString>
#include <array>
#include <functional>
#include <vector>

// What the screens are composed from: the scheme's colours, the opacities the conditional
// overlays follow (those of the last open, creation or save), the list's ticks by position
// (ticked = painted) and the preview's two options.
struct PreviewInput {
    const SchemeDocument& document;
    std::array<bool, ElementCount> ticks{};
    bool lcdColours = false;
    bool autoRedraw = true;
};

// Why the preview stopped painting: a display of fewer than 16 bits per pixel, or a layer
// picture whose format differs from the screen's.
enum class PreviewFailure { DisplayTooShallow, MismatchedPictures };

// The ten mock-ups of the phone's display, each composed from its layers in the scheme's
// colours, and the enlarged view of one of them. The screens hold no scheme data: a redraw
// recomputes them from the scheme's colours and ticks.
class Preview {
public:
    // depth: the display's bits per pixel, which decides the pictures' format. A depth the
    // preview cannot paint on (below 16) is refused by the first paint, which ends the editor.
    // mapProgress runs with each screen's number before the image map takes that screen in.
    explicit Preview(int depth, const std::function<void(int screen)>& mapProgress = {});
    // The same with other screens than the phone's ten, for tests of the composition.
    Preview(int depth, std::array<std::vector<PreviewLayer>, ScreenCount> layers,
            const std::function<void(int screen)>& mapProgress = {});

    // Composes every screen, or only the screens that hold an element, which happens only while
    // automatic redrawing is on; then refreshes the zoom view.
    void redraw(RedrawTarget what, const PreviewInput& input);

    // Paints the black pixels of the mask in maskPicture onto a screen, in the colour (mapped to
    // the LCD's colours when lcdColours is on). A picture it cannot paint stops the preview.
    void paintElementMask(int screen, ColourValue colour, bool lcdColours);

    const QImage& screen(int index) const { return screens_[index]; }
    // The persistent picture of a screen, for the flash, which changes pixels between redraws.
    QImage& picture(int index) { return screens_[index]; }
    int depth() const { return depth_; }

    // The screen shown enlarged, and the picture the zoom view shows.
    int zoomScreen = 0;
    QImage zoomView;
    void showInZoomView(int screen);

    // The layers, their pictures already in the display's format.
    const std::vector<PreviewLayer>& layers(int screen) const { return layers_[screen]; }
    const ImageMap& imageMap() const { return imageMap_; }

    // The scratch picture a layer is loaded into before it is painted or copied.
    QImage maskPicture;

    // Runs when a paint found the display unusable; the preview paints nothing more after it,
    // and the program says why and ends.
    std::function<void(PreviewFailure)> failed;
    bool ended() const { return ended_; }

private:
    void composeScreen(const PreviewInput& input, int screen);
    void copyOverlay(int screen);
    void fail(PreviewFailure failure);

    int depth_;
    QImage::Format format_;
    QImage transparencyPattern_;
    QImage magenta_; // one pixel of "not in this layer", in the display's format
    std::array<QImage, ScreenCount> screens_;
    std::array<std::vector<PreviewLayer>, ScreenCount> layers_;
    ImageMap imageMap_;
    bool ended_ = false;
};

// The pattern every screen starts from: 8 x 8 squares of grey and white, grey at the top left.
// Wherever no layer paints, it shows; it is how a transparent element looks.
QImage TransparencyPattern(QImage::Format format);
