#pragma once

#include <QString>

#include <array>

// The program's icons by name: the one list the generator, the resources and the runtime API
// share.

// The menu icon list: every menu item whose name ends in "Ico" finds its icon here under its own
// name. The position in this list (from 1) is the icon's index.
constexpr int MenuIconCount = 27;
constexpr std::array<const char*, MenuIconCount> MenuIconKeys{
    "mnuNovyIco",    "mnuOtevritIco", "mnuOtevritPosledniIco", "mnuMobilExplorerIco",
    "mnuUlozitIco",  "mnuSaveAsIco",  "mnuKonecIco",           "mnuSecureIco",
    "mnuFlashIco",   "mnuLinksIco",   "mnuAboutIco",           "mnuCzechIco",
    "mnuEnglishIco", "mnuDeutschIco", "mnuLanguageIco",        "mnuAsoIco",
    "mnuBlueIco",    "mnuRedIco",     "mnuGreenIco",           "mnuRecent1Ico",
    "mnuRecent2Ico", "mnuRecent3Ico", "mnuRecent4Ico",         "mnuRecent5Ico",
    "mnuUndoIco",    "mnuRedoIco",    "mnuReadabilityIco",
};

// The small icon buttons of the main window.
enum class ButtonIcon {
    Refresh,        // the refresh button: redraw all screens
    MixColour,      // the mix button: mix a colour
    FlashHelp,      // advice on Flash on Select
    SafeSchemeHelp, // what Safe Scheme does
};
constexpr std::array<ButtonIcon, 4> ButtonIcons{ButtonIcon::Refresh, ButtonIcon::MixColour,
                                                ButtonIcon::FlashHelp, ButtonIcon::SafeSchemeHelp};

constexpr const char* ButtonIconName(ButtonIcon which) {
    switch (which) {
    case ButtonIcon::Refresh:
        return "button-refresh";
    case ButtonIcon::MixColour:
        return "button-mix-colour";
    case ButtonIcon::FlashHelp:
        return "button-flash-help";
    case ButtonIcon::SafeSchemeHelp:
        return "button-safe-scheme-help";
    }
    return "";
}

// Menu and button icons come at 16 pixels and, for a device pixel ratio of 2, at 32.
constexpr std::array<int, 2> SmallIconSizes{16, 32};

// The application icon, named like the desktop entry's icon, in the hicolor sizes.
constexpr const char* ApplicationIconName = "zef";
constexpr std::array<int, 6> ApplicationIconSizes{16, 32, 48, 64, 128, 256};

// The file of one picture: "<name>-<size>.png", the same in assets/icons and in the resources.
inline QString IconFileName(const char* name, int size) {
    return QStringLiteral("%1-%2.png").arg(QLatin1String(name)).arg(size);
}
