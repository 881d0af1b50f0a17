// Ids of the class-library layer's own resources, kept apart from the
// program's: they sit in the range 0xE000-0xFFFF that the program never uses.
#ifndef AMBRIX_RES_AFXRES_IDS_H
#define AMBRIX_RES_AFXRES_IDS_H

// Shown when F1 cannot start the help engine.
#define AFX_IDP_FAILED_TO_LAUNCH_HELP 0xF107

#endif
