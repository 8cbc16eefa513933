#include "assets/generator/art_icons.h"

namespace Icons {

Legend IconColours(Canvas& overlay) {
    return {
        {'k', {&overlay, qRgb(0, 0, 0)}},       {'w', {&overlay, qRgb(255, 255, 255)}},
        {'g', {&overlay, qRgb(192, 192, 192)}}, {'d', {&overlay, qRgb(96, 96, 96)}},
        {'r', {&overlay, qRgb(232, 40, 32)}},   {'R', {&overlay, qRgb(152, 16, 16)}},
        {'y', {&overlay, qRgb(255, 216, 0)}},   {'o', {&overlay, qRgb(248, 144, 24)}},
        {'n', {&overlay, qRgb(152, 88, 24)}},   {'b', {&overlay, qRgb(40, 96, 232)}},
        {'c', {&overlay, qRgb(144, 208, 255)}}, {'G', {&overlay, qRgb(32, 160, 48)}},
        {'L', {&overlay, qRgb(152, 224, 104)}}, {'p', {&overlay, qRgb(255, 244, 208)}},
    };
}

// clang-format off
const PictureRows Signal = {
    "k.k.k...............",
    ".kkk...............k",
    "..k............kk..k",
    "..k........kk..kk..k",
    "..k....kk..kk..kk..k",
    "..k.kk.kk..kk..kk..k",
    "..k.kk.kk..kk..kk..k",
};
const PictureRows Battery = {
    ".kkkkkkkkkkkkk",
    ".kGG.GG.GG.GGk",
    "kkGG.GG.GG.GGk",
    "kkGG.GG.GG.GGk",
    "kkGG.GG.GG.GGk",
    ".kGG.GG.GG.GGk",
    ".kkkkkkkkkkkkk",
};

const PictureRows MenuPhone = {
    "..........k...",
    "..........k...",
    "...kkkkkkkkk..",
    "...kwwwwwwwk..",
    "...kwbbbbbwk..",
    "...kwbcccbwk..",
    "...kwbbbbbwk..",
    "...kwwwwwwwk..",
    "...kwdwdwdwk..",
    "...kwwwwwwwk..",
    "...kwdwdwdwk..",
    "...kkkkkkkkk..",
};
const PictureRows MenuEnvelope = {
    "..............",
    ".kkkkkkkkkkkk.",
    ".kdwwwwwwwwdk.",
    ".kwdwwwwwwdwk.",
    ".kwwdwwwwdwwk.",
    ".kwwwdwwdwwwk.",
    ".kwwwwddwwwwk.",
    ".kwwwwwwwwwwk.",
    ".kwwwwwwwwwwk.",
    ".kwwwwwwwwwwk.",
    ".kkkkkkkkkkkk.",
    "..............",
};
const PictureRows MenuBook = {
    "..kkkkkkkkkk..",
    "..kRrrrrrrrk..",
    "..kRrrrrrrrk..",
    "..kRrwwwwrrk..",
    "..kRrwwwwrrk..",
    "..kRrrrrrrrk..",
    "..kRrrrrrrrk..",
    "..kRrrrrrrrk..",
    "..kRrrrrrrrk..",
    "..kRwwwwwwwk..",
    "..kRgggggggk..",
    "..kkkkkkkkkk..",
};
const PictureRows MenuGlobe = {
    ".....bbbb.....",
    "...bbbbbbbb...",
    "..bbbGGbbbbb..",
    ".bbGGGGGbbbbb.",
    ".bbGGGGbbbGGb.",
    ".bbbGGbbbGGGb.",
    ".bbbbGbbbGGGb.",
    ".bbbbbbbbbGbb.",
    ".bbbbbbbbbbbb.",
    "..bbbGGbbbbb..",
    "...bbbbbbbb...",
    ".....bbbb.....",
};
const PictureRows MenuNotepad = {
    "...d.d.d.d....",
    "..kdkdkdkdkk..",
    "..kppppppppk..",
    "..kpbbbbbbpk..",
    "..kppppppppk..",
    "..kpbbbbbbpk..",
    "..kppppppppk..",
    "..kpbbbbpppk..",
    "..kppppppppk..",
    "..kpbbbbbbpk..",
    "..kppppppppk..",
    "..kkkkkkkkkk..",
};
const PictureRows MenuClock = {
    ".....oooo.....",
    "...oowwwwoo...",
    "..owwwkwwwwo..",
    ".owwwwkwwwwwo.",
    ".owwwwkwwwwwo.",
    ".owwwwkwwwwwo.",
    ".owwwwkkkkwwo.",
    ".owwwwwwwwwwo.",
    ".owwwwwwwwwwo.",
    "..owwwwwwwwo..",
    "...oowwwwoo...",
    ".....oooo.....",
};
const PictureRows MenuCog = {
    "......kk......",
    "..kk.kggk.kk..",
    "..kgkkggkkgk..",
    "...kggggggk...",
    ".kkggkkkkggkk.",
    "kgggk....kgggk",
    "kgggk....kgggk",
    ".kkggkkkkggkk.",
    "...kggggggk...",
    "..kgkkggkkgk..",
    "..kk.kggk.kk..",
    "......kk......",
};
const PictureRows MenuGamepad = {
    "..............",
    "..............",
    "...kkkkkkkk...",
    ".kkggggggggkk.",
    "kggdggggggrggk",
    "kgdddggggbgGgk",
    "kggdggggggyggk",
    "kggggggggggggk",
    "kgggkkkkkkgggk",
    ".kkk......kkk.",
    "..............",
    "..............",
};
const PictureRows MenuCamera = {
    "..............",
    "....kkkk......",
    ".kkkkkkkkkkkk.",
    ".kgggkkkkgrgk.",
    ".kggkbbbbkggk.",
    ".kggkbccbkggk.",
    ".kggkbccbkggk.",
    ".kggkbbbbkggk.",
    ".kgggkkkkgggk.",
    ".kkkkkkkkkkkk.",
    "..............",
    "..............",
};

const PictureRows Folder = {
    ".nnnn.....",
    "nyyyynnnn.",
    "nyyyyyyyyn",
    "nyyyyyyyyn",
    "nyyyyyyyyn",
    "nyyyyyyyyn",
    "nyyyyyyyyn",
    ".nnnnnnnn.",
};
const PictureRows Bell = {
    "....n....",
    "...nyn...",
    "..nyyyn..",
    "..nyyyn..",
    "..nyyyn..",
    ".nyyyyyn.",
    "nnnnnnnnn",
    "....n....",
};
const PictureRows SpeakerMuted = {
    "...n.....",
    "..nn.....",
    "nnyn.r.r.",
    "nyyn..r..",
    "nyyn.r.r.",
    "nnyn.....",
    "..nn.....",
    "...n.....",
};
const PictureRows SpeakerLoud = {
    "...n...b.",
    "..nn.b..b",
    "nnyn..b.b",
    "nyyn..b.b",
    "nyyn..b.b",
    "nnyn..b.b",
    "..nn.b..b",
    "...n...b.",
};
const PictureRows Key = {
    "...nnnn...................",
    ".nnyyyynn.................",
    "nyyyyyyyyn................",
    "nyyn..nyyynnnnnnnnnnnnnnn.",
    "nyy....yyyyyyyyyyyyyyyyyyn",
    "nyy....yyyyyyyyyyyyyyyyyyn",
    "nyyn..nyyynnnnnnyyynnyyyn.",
    "nyyyyyyyyn.....nyyyn.nyyn.",
    ".nnyyyynn.......nnn...nn..",
    "...nnnn...................",
};

const PictureRows SymbolArrow = {
    "sssssssssss",
    "sbbbbbbbbbs",
    "sbfffffffbs",
    "sbffmffffbs",
    "sbffmmfffbs",
    "sbffmmmffbs",
    "sbffmmfffbs",
    "sbffmffffbs",
    "sbfffffffbs",
    "sbbbbbbbbbs",
    "sssssssssss",
};
const PictureRows SymbolPerson = {
    "sssssssssss",
    "sbbbbbbbbbs",
    "sbffmmmffbs",
    "sbffmmmffbs",
    "sbffmmmffbs",
    "sbfffffffbs",
    "sbfmmmmmfbs",
    "sbmmmmmmmbs",
    "sbmmmmmmmbs",
    "sbbbbbbbbbs",
    "sssssssssss",
};
const PictureRows SymbolHandset = {
    "sssssssssss",
    "sbbbbbbbbbs",
    "sbfmmffffbs",
    "sbmmmffffbs",
    "sbmmfffffbs",
    "sbmmfffffbs",
    "sbmmmffffbs",
    "sbfmmmfmmbs",
    "sbffmmmmmbs",
    "sbbbbbbbbbs",
    "sssssssssss",
};
const PictureRows SymbolLetter = {
    "sssssssssss",
    "sbbbbbbbbbs",
    "sbfffffffbs",
    "sbmmmmmmmbs",
    "sbmmfffmmbs",
    "sbmfmfmfmbs",
    "sbmffmffmbs",
    "sbmfffffmbs",
    "sbmmmmmmmbs",
    "sbbbbbbbbbs",
    "sssssssssss",
};
const PictureRows SymbolGlobe = {
    "sssssssssss",
    "sbbbbbbbbbs",
    "sbffmmmffbs",
    "sbfmfmfmfbs",
    "sbmmmmmmmbs",
    "sbmffmffmbs",
    "sbmmmmmmmbs",
    "sbfmfmfmfbs",
    "sbffmmmffbs",
    "sbbbbbbbbbs",
    "sssssssssss",
};
const PictureRows TickBox = {
    "bbbbbbbbb",
    "bfffffffb",
    "bfffffmfb",
    "bffffmmfb",
    "bfmfmmffb",
    "bfmmmfffb",
    "bffmffffb",
    "bfffffffb",
    "bbbbbbbbb",
};
// clang-format on

} // namespace Icons
