#pragma once

// The loops behind MaskFill, one per depth, in plain types only, so that they build wherever
// Highway does, without Qt.

#include <cstddef>
#include <cstdint>

// Two pictures' raw pixels of one geometry: rows of width pixels (at least 1), bytesPerRow apart,
// height rows (at least 1). The mask is read, the target painted.
struct PixelBuffers {
    const std::uint8_t* mask;
    std::uint8_t* target;
    std::int32_t width;
    std::int32_t height;
    std::int32_t bytesPerRow;
};

// The plain loops: every processor runs them, and they are the reference the vector loops are
// held to. The colour comes encoded in the depth's format; bgr is blue, green, red.
void Fill16Plain(const PixelBuffers& pictures, std::uint16_t colour);
void Fill24Plain(const PixelBuffers& pictures, const std::uint8_t* bgr);
void Fill32Plain(const PixelBuffers& pictures, std::uint32_t colour);

// The same with the vector loops of the widest instruction set the processor has, chosen at run
// time. A row narrower than one vector goes to the plain loop.
void Fill16Vector(const PixelBuffers& pictures, std::uint16_t colour);
void Fill24Vector(const PixelBuffers& pictures, const std::uint8_t* bgr);
void Fill32Vector(const PixelBuffers& pictures, std::uint32_t colour);

// The bytes of one vector of the instruction set the vector loops run on; 0 on a processor without
// one that Highway knows, where they hand every row to the plain loops.
std::size_t FillVectorBytes();
