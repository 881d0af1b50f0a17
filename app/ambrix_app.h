// CAmbrixApp: the application object.
#pragma once

#include "afx/afx.h"

class CAmbrixApp : public CWinApp {
 public:
  CAmbrixApp();
  ~CAmbrixApp() override;

  DECLARE_MESSAGE_MAP()

 public:
  BOOL InitInstance() override;
};
