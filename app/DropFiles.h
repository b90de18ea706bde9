// What a drop of shell items offers the main dialog: the first folder or picture among them.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include "vela/wx/shell/PathBuffer.h"

namespace kalmora {

enum class DroppedItem { Nothing, Folder, Picture };

// Items whose path does not fit a path buffer are passed over; the drop itself is left to the
// caller to finish.
DroppedItem TakeDroppedItem(HDROP drop, CPathBuffer& path);

} // namespace kalmora
