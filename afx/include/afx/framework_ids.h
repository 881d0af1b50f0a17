// Command and resource ids of the framework itself (usable from .rc files).
#pragma once

// The standard help command, raised by F1.
#define ID_HELP 0xE146
// Framework string: the help engine could not be started.
#define AFX_IDP_FAILED_TO_LAUNCH_HELP 0xF107
