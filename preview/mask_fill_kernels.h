#pragma once

#include "preview/bitmap_geometry.h"
#include "scheme/colour.h"

// The loops behind MaskFill, one set per instruction set. MaskFill runs the widest set the
// processor has; the others stay reachable so that tests can hold every set to the same rule.
enum class MaskFillKernel {
    Plain, // plain C++, on every processor
    Sse2,  // 16-byte vectors, on every x86-64 processor
    Avx2,  // 32-byte vectors, on x86-64 processors that have AVX2
};

// Whether this build has the kernel and this processor can run it.
bool MaskFillKernelRuns(MaskFillKernel kernel);

// The kernel MaskFill uses here.
MaskFillKernel FastestMaskFillKernel();

// MaskFill with the given kernel, which must run here.
void MaskFillWith(MaskFillKernel kernel, const uchar* mask, uchar* target,
                  const BitmapGeometry& geometry, ColourValue colour);
