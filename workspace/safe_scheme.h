#pragma once

// The 20 elements that may stay transparent while Safe Scheme is on; every other element keeps
// the phone's menus readable and must stay painted.
bool IsSafeTransparent(int element);
