// Identifiers of the program's resources, shared by runepairs.rc and the code.
#ifndef RUNEPAIRS_RESOURCES_RESOURCEIDS_H
#define RUNEPAIRS_RESOURCES_RESOURCEIDS_H

// Only plain #defines: the resource compiler reads this file too.
#define IDI_RUNEPAIRS 1005
#define IDB_LOGO 1006
#define IDB_CARDS 1007

#endif
