// Speed of the preview: the pixel routine beside a plain copy of the same buffer, a full and a
// one-element redraw, building the image map, one pointer move, a palette click, the start of
// a flash and the readability check.
#include "editor/editor.h"
#include "editor/element_list_handlers.h"
#include "editor/flash.h"
#include "editor/palette_colours.h"
#include "editor/preview_pointer.h"
#include "editor/scheme_loading.h"
#include "editor/silent_dialogs.h"
#include "editor/user_dialogs.h"
#include "preview/mask_fill.h"
#include "preview/preview.h"
#include "preview/weak_pairs.h"
#include "scheme/starter_schemes.h"

#include <QCoreApplication>
#include <QImage>
#include <benchmark/benchmark.h>
#include <cstring>

namespace {

// The depth of a usual X11 desktop; the per-depth benchmarks cover the other two.
constexpr int DesktopDepth = 24;

// An editor as after start-up: the Blue starter in the list and a preview attached.
struct StartedEditor {
    explicit StartedEditor(int depth) : editor(dialogs, SettingsStore(QString())), preview(depth) {
        FillElementNames(editor);
        editor.list.schemeReady = false;
        CreateStarterScheme(editor, Starter::Blue);
        editor.list.schemeReady = true;
        AttachPreview(editor, preview);
    }
    SilentDialogs dialogs;
    Editor editor;
    Preview preview;
};

// One layer of the list menu screen with a mask of some size, in the display's format.
QImage MaskPicture(const Preview& preview) {
    return preview.layers(2).at(4).picture;
}

void BM_MaskFill(benchmark::State& state) {
    const Preview preview(int(state.range(0)));
    const QImage mask = MaskPicture(preview);
    QImage target = preview.screen(2).copy();
    const BitmapGeometry geometry = GeometryOf(target);
    for (auto _ : state) {
        MaskFill(mask.constBits(), target.bits(), geometry, 0x123456);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_MaskFill)->Arg(16)->Arg(24)->Arg(32);

void BM_MaskFillAllBlack(benchmark::State& state) {
    // The list menu's first layer, black over the whole screen as every screen's first layer
    // is: no row can be skipped, the dearest mask there is.
    const Preview preview(int(state.range(0)));
    const QImage mask = preview.layers(2).at(0).picture;
    QImage target = preview.screen(2).copy();
    const BitmapGeometry geometry = GeometryOf(target);
    for (auto _ : state) {
        MaskFill(mask.constBits(), target.bits(), geometry, 0x123456);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_MaskFillAllBlack)->Arg(16)->Arg(24)->Arg(32);

void BM_CopyBaseline(benchmark::State& state) {
    const Preview preview(int(state.range(0)));
    const QImage source = MaskPicture(preview);
    QImage target = preview.screen(2).copy();
    for (auto _ : state) {
        std::memcpy(target.bits(), source.constBits(), size_t(target.sizeInBytes()));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_CopyBaseline)->Arg(16)->Arg(24)->Arg(32);

void BM_RedrawPreviewAll(benchmark::State& state) {
    StartedEditor started(DesktopDepth);
    for (auto _ : state)
        RedrawPreview(started.editor, RedrawTarget::all());
}
BENCHMARK(BM_RedrawPreviewAll)->Unit(benchmark::kMicrosecond);

void BM_RedrawPreviewElement(benchmark::State& state) {
    // Element 24, the provider name's outline, is on the standby screen only.
    StartedEditor started(DesktopDepth);
    for (auto _ : state)
        RedrawPreview(started.editor, RedrawTarget(24));
}
BENCHMARK(BM_RedrawPreviewElement)->Unit(benchmark::kMicrosecond);

void BM_BuildImageMap(benchmark::State& state) {
    const Preview preview(DesktopDepth);
    std::array<std::vector<PreviewLayer>, ScreenCount> layers;
    for (int i = 0; i < ScreenCount; ++i)
        layers[i] = preview.layers(i);
    ImageMap map;
    for (auto _ : state) {
        map.buildImageMap(layers);
        benchmark::DoNotOptimize(map.layerMap(0, 1, 0, 0));
    }
}
BENCHMARK(BM_BuildImageMap)->Unit(benchmark::kMillisecond);

void BM_HoverPreview(benchmark::State& state) {
    // Over the options pop-up, the screen with the most layers.
    StartedEditor started(DesktopDepth);
    int x = 0;
    for (auto _ : state) {
        HoverPreview(started.editor, 3, 30 + x, 40);
        x = (x + 1) & 31;
        benchmark::DoNotOptimize(started.editor.previewHoverElement);
    }
}
BENCHMARK(BM_HoverPreview);

void BM_ApplyPaletteColour(benchmark::State& state) {
    // A click on the "S55" palette with an element current: 24, the provider name's outline,
    // is on one screen; 17, the selected menu row, on three; 4, the title bar, on eight of the
    // ten, which makes it close to the dearest click there is.
    StartedEditor started(DesktopDepth);
    Editor& editor = started.editor;
    editor.list.elements.setCurrent(int(state.range(0)) - 1);
    int column = 0;
    for (auto _ : state) {
        HoverPaletteColour(editor, ColourPicture::S55, 5 + 8 * column, 60);
        ApplyPaletteColour(editor, ColourPicture::S55);
        column = (column + 1) & 15;
    }
}
BENCHMARK(BM_ApplyPaletteColour)->Arg(24)->Arg(17)->Arg(4)->Unit(benchmark::kMicrosecond);

void BM_StartFlash(benchmark::State& state) {
    // The title bar of the list menu: a large element area under several later layers.
    StartedEditor started(DesktopDepth);
    Editor& editor = started.editor;
    HoverPreview(editor, 2, 80, 13);
    for (auto _ : state) {
        StartFlash(editor, 2);
        state.PauseTiming();
        EndFlash(editor);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartFlash)->Unit(benchmark::kMicrosecond);

void BM_FindWeakPairs(benchmark::State& state) {
    // The Blue starter, whose ten screens hold some thirty weak pairs, as after start-up.
    StartedEditor started(DesktopDepth);
    const PaintOwners owners(started.preview);
    const PreviewInput input = PreviewInputOf(started.editor);
    for (auto _ : state)
        benchmark::DoNotOptimize(FindWeakPairs(owners, input));
}
BENCHMARK(BM_FindWeakPairs)->Unit(benchmark::kMicrosecond);

void BM_PaintOwners(benchmark::State& state) {
    // What the readability window takes from the layers once, when it first opens.
    const Preview preview(DesktopDepth);
    for (auto _ : state)
        benchmark::DoNotOptimize(PaintOwners(preview));
}
BENCHMARK(BM_PaintOwners)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    // The flash's timer needs an event loop's thread data, though no event is ever run here.
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
