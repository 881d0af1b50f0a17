// CCmdTarget and the static message maps that route window messages and
// commands to handler methods.
// Needs: afx/platform.h.
//
// A class declares its map with DECLARE_MESSAGE_MAP() and defines it between
// BEGIN_MESSAGE_MAP(theClass, baseClass) and END_MESSAGE_MAP(). A message
// that has no entry in a class's map is looked up in its base class's map.
#pragma once

#include "afx/platform.h"

class CCmdTarget;

// One entry: the message, for WM_COMMAND and WM_NOTIFY also the notification
// code and control id, and a thunk that unpacks the message for the handler.
struct AFX_MSGMAP_ENTRY {
  UINT message;
  UINT code;
  UINT id;
  LRESULT (*handler)(CCmdTarget& target, WPARAM wParam, LPARAM lParam);
};

struct AFX_MSGMAP {
  const AFX_MSGMAP* (*pfnGetBaseMap)();  // null for the root
  const AFX_MSGMAP_ENTRY* lpEntries;     // ends with an entry whose handler is null
};

class CCmdTarget {
 public:
  CCmdTarget() = default;
  CCmdTarget(const CCmdTarget&) = delete;
  CCmdTarget& operator=(const CCmdTarget&) = delete;
  virtual ~CCmdTarget() = default;

  virtual const AFX_MSGMAP* GetMessageMap() const { return GetThisMessageMap(); }

  // The first entry for the message along this object's map chain, or null.
  const AFX_MSGMAP_ENTRY* FindMessageEntry(UINT message, UINT code, UINT id) const;

  // Runs the handler of command `id` with notification `code`, if the map
  // chain has one; FALSE when nothing handled it.
  BOOL OnCmdMsg(UINT id, UINT code);

 protected:
  static const AFX_MSGMAP* GetThisMessageMap();
};

// clang-format off
#define DECLARE_MESSAGE_MAP()                                                        \
 protected:                                                                          \
  static const AFX_MSGMAP* GetThisMessageMap();                                      \
                                                                                     \
 public:                                                                             \
  const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                       \
  const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); }  \
  const AFX_MSGMAP* theClass::GetThisMessageMap() {                                  \
    using ThisClass [[maybe_unused]] = theClass;                                     \
    using TheBaseClass = baseClass;                                                  \
    static const AFX_MSGMAP_ENTRY entries[] = {

#define END_MESSAGE_MAP()                                                            \
      {0, 0, 0, nullptr}};                                                           \
    static const AFX_MSGMAP map = {&TheBaseClass::GetThisMessageMap, entries};       \
    return &map;                                                                     \
  }

// Entry macros. Each comment gives the handler signature the entry expects.
#define AFX_MSGMAP_THUNK [](CCmdTarget& target, [[maybe_unused]] WPARAM wParam,      \
                            [[maybe_unused]] LPARAM lParam) -> LRESULT

// void OnCommand()  -- menu, accelerator or framework command `id`
#define ON_COMMAND(id, memberFxn)                                                    \
  {WM_COMMAND, 0, static_cast<UINT>(id), AFX_MSGMAP_THUNK {                          \
     (static_cast<ThisClass&>(target).*(memberFxn))();                               \
     return 0;                                                                       \
   }},

// void OnClicked()  -- push button `id` clicked
#define ON_BN_CLICKED(id, memberFxn)                                                 \
  {WM_COMMAND, BN_CLICKED, static_cast<UINT>(id), AFX_MSGMAP_THUNK {                 \
     (static_cast<ThisClass&>(target).*(memberFxn))();                               \
     return 0;                                                                       \
   }},

// void OnNotify(NMHDR* pNMHDR, LRESULT* pResult)  -- notification `code` from control `id`
#define ON_NOTIFY(code, id, memberFxn)                                               \
  {WM_NOTIFY, static_cast<UINT>(code), static_cast<UINT>(id), AFX_MSGMAP_THUNK {     \
     LRESULT result = 0;                                                             \
     (static_cast<ThisClass&>(target).*(memberFxn))(reinterpret_cast<NMHDR*>(lParam), \
                                                    &result);                        \
     return result;                                                                  \
   }},

// void OnSysCommand(UINT nID, LPARAM lParam)
#define ON_WM_SYSCOMMAND()                                                           \
  {WM_SYSCOMMAND, 0, 0, AFX_MSGMAP_THUNK {                                           \
     static_cast<ThisClass&>(target).OnSysCommand(static_cast<UINT>(wParam), lParam); \
     return 0;                                                                       \
   }},

// void OnPaint()
#define ON_WM_PAINT()                                                                \
  {WM_PAINT, 0, 0, AFX_MSGMAP_THUNK {                                                \
     static_cast<ThisClass&>(target).OnPaint();                                      \
     return 0;                                                                       \
   }},

// HCURSOR OnQueryDragIcon()
#define ON_WM_QUERYDRAGICON()                                                        \
  {WM_QUERYDRAGICON, 0, 0, AFX_MSGMAP_THUNK {                                        \
     return reinterpret_cast<LRESULT>(static_cast<ThisClass&>(target).OnQueryDragIcon()); \
   }},

// BOOL OnHelpInfo(HELPINFO* pHelpInfo)
#define ON_WM_HELPINFO()                                                             \
  {WM_HELP, 0, 0, AFX_MSGMAP_THUNK {                                                 \
     return static_cast<ThisClass&>(target).OnHelpInfo(reinterpret_cast<HELPINFO*>(lParam)); \
   }},
// clang-format on
