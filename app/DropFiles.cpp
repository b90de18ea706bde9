// What a drop of shell items offers the main dialog: the first folder or picture among them.
#include "app/DropFiles.h"

#include "app/PictureFile.h"

namespace kalmora {

DroppedItem TakeDroppedItem(HDROP drop, CPathBuffer& path) {
    UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        if (DragQueryFileA(drop, i, nullptr, 0) >= MAX_PATH)
            continue;
        CPathBuffer item;
        DragQueryFileA(drop, i, item, MAX_PATH);
        DWORD attributes = GetFileAttributesA(item);
        if (attributes == INVALID_FILE_ATTRIBUTES)
            continue;
        if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
            path = item;
            return DroppedItem::Folder;
        }
        if (IsPictureName(item)) {
            path = item;
            return DroppedItem::Picture;
        }
    }
    return DroppedItem::Nothing;
}

} // namespace kalmora
