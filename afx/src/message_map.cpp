#include "afx/message_map.h"

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap() {
  static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, nullptr}};
  static const AFX_MSGMAP map = {nullptr, entries};
  return &map;
}

const AFX_MSGMAP_ENTRY* CCmdTarget::FindMessageEntry(UINT message, UINT code, UINT id) const {
  for (const AFX_MSGMAP* map = GetMessageMap(); map != nullptr;
       map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
    for (const AFX_MSGMAP_ENTRY* entry = map->lpEntries; entry->handler != nullptr; ++entry) {
      if (entry->message == message && entry->code == code && entry->id == id)
        return entry;
    }
  }
  return nullptr;
}

BOOL CCmdTarget::OnCmdMsg(UINT id, UINT code) {
  const AFX_MSGMAP_ENTRY* entry = FindMessageEntry(WM_COMMAND, code, id);
  if (entry == nullptr)
    return FALSE;
  entry->handler(*this, MAKEWPARAM(id, code), 0);
  return TRUE;
}
