#pragma once
// The program's own images in its resources (shared by the resource script and the code).
#define PATHNAB_ICON 1
#define PATHNAB_PICTURE 2
