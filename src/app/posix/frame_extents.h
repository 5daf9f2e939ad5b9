#pragma once
#include <cstdint>
#include <optional>

namespace pathnab {

// The frame an X window manager puts around a top-level window, in pixels.
struct FrameExtents {
    int left = 0;
    int right = 0;
    int top = 0;
    int bottom = 0;
};

// The frame the window will get, asked for before it is mapped: none when no window manager
// runs; what the manager announces through _NET_REQUEST_FRAME_EXTENTS otherwise. Empty when
// the display cannot be reached or the manager does not answer in time.
std::optional<FrameExtents> AnnouncedX11Frame(std::uint32_t window);

}  // namespace pathnab
