// The class library: everything a dialog application includes.
#pragma once

#include "afx/platform.h"
#include "afx/framework_ids.h"
#include "afx/cstring.h"
#include "afx/crect.h"
#include "afx/message_map.h"
#include "afx/cmenu.h"
#include "afx/cdc.h"
#include "afx/cwnd.h"
#include "afx/data_exchange.h"
#include "afx/cedit.h"
#include "afx/ccombobox.h"
#include "afx/cdialog.h"
#include "afx/cwinapp.h"
