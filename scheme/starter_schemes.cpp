#include "scheme/starter_schemes.h"

#include "app/editor.h"
#include "scheme/document_commands.h"
#include "scheme/scheme_loading.h"
#include "scheme/undo_redo.h"

namespace {

// Red, green, blue and opacity of elements 1 to 60; 0 opacity is a transparent element.
constexpr std::array<StarterElement, ElementCount> BlueTable = {{
    {0, 0, 128, 100},     // 1
    {255, 255, 255, 100}, // 2
    {255, 255, 255, 100}, // 3
    {0, 0, 192, 100},     // 4
    {255, 255, 255, 100}, // 5
    {255, 255, 255, 100}, // 6
    {0, 0, 192, 100},     // 7
    {64, 64, 64, 100},    // 8
    {255, 255, 255, 100}, // 9
    {160, 0, 0, 100},     // 10
    {0, 0, 0, 100},       // 11
    {32, 160, 192, 100},  // 12
    {0, 0, 0, 100},       // 13
    {32, 0, 192, 100},    // 14
    {0, 0, 0, 100},       // 15
    {255, 255, 255, 100}, // 16
    {0, 0, 128, 100},     // 17
    {0, 0, 64, 100},      // 18
    {0, 32, 128, 100},    // 19
    {0, 0, 0, 100},       // 20
    {255, 255, 255, 100}, // 21
    {64, 192, 192, 100},  // 22
    {32, 32, 192, 100},   // 23
    {96, 224, 0, 100},    // 24
    {0, 0, 0, 100},       // 25
    {192, 128, 0, 100},   // 26
    {0, 0, 128, 100},     // 27
    {32, 0, 192, 100},    // 28
    {64, 192, 192, 100},  // 29
    {0, 0, 0, 100},       // 30
    {255, 255, 255, 100}, // 31
    {255, 255, 255, 100}, // 32
    {0, 0, 128, 100},     // 33
    {0, 32, 128, 100},    // 34
    {192, 0, 0, 0},       // 35
    {255, 255, 255, 100}, // 36
    {0, 0, 192, 100},     // 37
    {0, 32, 128, 100},    // 38
    {64, 192, 192, 100},  // 39
    {0, 0, 128, 100},     // 40
    {255, 255, 255, 100}, // 41
    {0, 0, 0, 100},       // 42
    {255, 255, 255, 100}, // 43
    {0, 32, 128, 100},    // 44
    {192, 0, 0, 0},       // 45
    {0, 160, 192, 100},   // 46
    {0, 0, 192, 100},     // 47
    {224, 128, 0, 100},   // 48
    {255, 255, 255, 100}, // 49
    {255, 255, 255, 100}, // 50
    {0, 192, 192, 100},   // 51
    {0, 0, 0, 100},       // 52
    {0, 0, 0, 100},       // 53
    {0, 32, 192, 100},    // 54
    {0, 0, 0, 100},       // 55
    {0, 32, 128, 100},    // 56
    {0, 0, 0, 100},       // 57
    {255, 255, 255, 100}, // 58
    {0, 0, 0, 100},       // 59
    {0, 0, 0, 100},       // 60
}};

constexpr std::array<StarterElement, ElementCount> RedTable = {{
    {128, 0, 0, 100},     // 1
    {255, 255, 255, 100}, // 2
    {255, 255, 255, 100}, // 3
    {255, 0, 0, 100},     // 4
    {255, 255, 255, 100}, // 5
    {255, 255, 255, 100}, // 6
    {224, 0, 0, 100},     // 7
    {64, 64, 64, 100},    // 8
    {255, 255, 255, 100}, // 9
    {64, 0, 0, 100},      // 10
    {0, 0, 0, 100},       // 11
    {64, 0, 0, 100},      // 12
    {0, 0, 0, 100},       // 13
    {128, 96, 192, 100},  // 14
    {0, 0, 0, 100},       // 15
    {255, 255, 255, 100}, // 16
    {192, 32, 0, 100},    // 17
    {128, 0, 0, 100},     // 18
    {64, 0, 0, 100},      // 19
    {0, 0, 0, 100},       // 20
    {255, 255, 255, 100}, // 21
    {192, 128, 64, 100},  // 22
    {160, 32, 0, 100},    // 23
    {255, 255, 255, 100}, // 24
    {255, 255, 255, 100}, // 25
    {192, 32, 0, 100},    // 26
    {32, 0, 0, 100},      // 27
    {224, 0, 0, 100},     // 28
    {64, 0, 0, 100},      // 29
    {0, 0, 0, 100},       // 30
    {255, 255, 255, 100}, // 31
    {255, 255, 255, 100}, // 32
    {128, 32, 0, 100},    // 33
    {128, 32, 0, 100},    // 34
    {192, 0, 0, 100},     // 35
    {255, 255, 255, 100}, // 36
    {224, 0, 0, 100},     // 37
    {128, 32, 0, 100},    // 38
    {224, 0, 0, 100},     // 39
    {96, 32, 0, 100},     // 40
    {255, 255, 255, 100}, // 41
    {32, 0, 0, 100},      // 42
    {255, 255, 255, 100}, // 43
    {192, 0, 0, 100},     // 44
    {192, 0, 0, 0},       // 45
    {224, 64, 0, 100},    // 46
    {96, 224, 0, 100},    // 47
    {192, 32, 0, 100},    // 48
    {255, 255, 255, 100}, // 49
    {255, 255, 255, 100}, // 50
    {224, 64, 0, 100},    // 51
    {0, 0, 0, 100},       // 52
    {32, 0, 0, 100},      // 53
    {128, 32, 0, 100},    // 54
    {32, 0, 0, 100},      // 55
    {160, 32, 0, 100},    // 56
    {32, 0, 0, 100},      // 57
    {255, 255, 255, 100}, // 58
    {0, 0, 0, 100},       // 59
    {0, 0, 0, 100},       // 60
}};

constexpr std::array<StarterElement, ElementCount> GreenTable = {{
    {32, 96, 0, 100},     // 1
    {255, 255, 255, 100}, // 2
    {0, 0, 0, 100},       // 3
    {0, 224, 0, 100},     // 4
    {255, 255, 255, 100}, // 5
    {255, 255, 255, 100}, // 6
    {0, 224, 0, 100},     // 7
    {64, 64, 64, 100},    // 8
    {255, 255, 255, 100}, // 9
    {0, 96, 0, 100},      // 10
    {0, 0, 0, 100},       // 11
    {0, 96, 0, 100},      // 12
    {0, 0, 0, 100},       // 13
    {32, 96, 0, 100},     // 14
    {0, 0, 0, 100},       // 15
    {255, 255, 255, 100}, // 16
    {0, 160, 0, 100},     // 17
    {0, 128, 0, 100},     // 18
    {0, 224, 0, 100},     // 19
    {0, 0, 0, 100},       // 20
    {255, 255, 255, 100}, // 21
    {0, 96, 0, 100},      // 22
    {0, 0, 0, 100},       // 23
    {96, 224, 0, 100},    // 24
    {0, 0, 0, 100},       // 25
    {64, 224, 0, 100},    // 26
    {0, 96, 0, 100},      // 27
    {32, 96, 0, 100},     // 28
    {0, 224, 0, 100},     // 29
    {0, 0, 0, 100},       // 30
    {255, 255, 255, 100}, // 31
    {255, 255, 255, 100}, // 32
    {0, 128, 0, 100},     // 33
    {0, 96, 0, 100},      // 34
    {32, 96, 0, 100},     // 35
    {0, 0, 0, 100},       // 36
    {64, 224, 0, 100},    // 37
    {0, 96, 0, 100},      // 38
    {0, 224, 0, 100},     // 39
    {0, 128, 0, 100},     // 40
    {255, 255, 255, 100}, // 41
    {0, 0, 0, 100},       // 42
    {255, 255, 255, 100}, // 43
    {0, 96, 0, 100},      // 44
    {192, 0, 0, 0},       // 45
    {64, 224, 0, 100},    // 46
    {0, 160, 0, 100},     // 47
    {224, 0, 0, 100},     // 48
    {255, 255, 255, 100}, // 49
    {255, 255, 255, 100}, // 50
    {224, 0, 0, 100},     // 51
    {0, 0, 0, 100},       // 52
    {0, 0, 0, 100},       // 53
    {0, 0, 0, 100},       // 54
    {0, 128, 0, 100},     // 55
    {0, 96, 0, 100},      // 56
    {0, 0, 0, 100},       // 57
    {255, 255, 255, 100}, // 58
    {0, 0, 0, 100},       // 59
    {0, 0, 0, 100},       // 60
}};

constexpr LocalisedText Names[] = {
    {"Modrá ZEF", "Blue ZEF", "Blau ZEF"},
    {"Červená ZEF", "Red ZEF", "Rot ZEF"},
    {"Zelená ZEF", "Green ZEF", "Grünn ZEF"},
};

constexpr LocalisedText FileLabels[] = {
    {"Nový projekt - Modrá", "New project - Blue", "Neu project - Blau"},
    {"Nový projekt - Červená", "New project - Red", "Neu project - Rot"},
    {"Nový projekt - Zelená", "New project - Green", "Neu project - Grünn"},
};

} // namespace

const std::array<StarterElement, ElementCount>& StarterTable(Starter starter) {
    switch (starter) {
    case Starter::Red:
        return RedTable;
    case Starter::Green:
        return GreenTable;
    case Starter::Blue:
        break;
    }
    return BlueTable;
}

std::optional<QString> StarterName(Starter starter, Language language) {
    return Names[int(starter)].in(language);
}

std::optional<QString> StarterFileLabel(Starter starter, Language language) {
    return FileLabels[int(starter)].in(language);
}

void CreateStarterScheme(Editor& editor, Starter starter) {
    if (!TestMakeProject(editor))
        return;
    ClearHistory(editor);
    SchemeDocument& doc = editor.document;
    doc.filePath.clear();
    if (const std::optional<QString> label = StarterFileLabel(starter, editor.language))
        editor.fileLabel = *label;

    const bool wasReady = doc.SchemeReady;
    doc.SchemeReady = false;
    editor.elementList.enabled = false;

    doc.headerTag = QStringLiteral("ColourScheme");
    doc.dataTag = QStringLiteral("Data");
    if (const std::optional<QString> name = StarterName(starter, editor.language))
        doc.schemeName = *name;
    const std::array<StarterElement, ElementCount>& table = StarterTable(starter);
    for (int element = 1; element <= ElementCount; ++element) {
        const StarterElement& e = table[element - 1];
        doc.elementColour[element] = MakeColour(e.red, e.green, e.blue);
        doc.elementOpacity[element] = e.opacity;
    }
    PutSchemeIntoList(editor);
    editor.setNameBoxText(doc.schemeName);

    // While the main window loads, it raises SchemeReady itself once everything is in place.
    if (wasReady) {
        doc.SchemeReady = true;
        RedrawPreview(editor, QStringLiteral("all"));
    }
}
