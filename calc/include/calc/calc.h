// The whole calculation API: numeric text conventions, the duty-cycle average
// current and the battery service life.
#pragma once

#include "calc/parse_entry.h"
#include "calc/format_result.h"
#include "calc/units.h"
#include "calc/result_message.h"
#include "calc/average_current.h"
#include "calc/battery_life.h"
