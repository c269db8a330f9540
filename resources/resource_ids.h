/* Resource, control and command ids, shared by the resource script and the
   code. Plain #defines only: the resource compiler reads this file too. */
#ifndef KZ_RESOURCE_IDS_H
#define KZ_RESOURCE_IDS_H

/* Strings (the word lists and the spelling pairs are numbered in strings.def) */
#define IDS_TITLE 103
#define IDS_CLASS_NAME 109

/* Menu, accelerators, dialogs, icons */
#define IDR_MAIN_MENU 109
#define IDR_ACCELERATORS 109
#define IDD_HELP 197
#define IDD_ABOUT 103
#define IDI_APP 107
#define IDI_APP_SMALL 108

/* Bitmaps; a masked picture's mask is the next id */
#define IDB_LABELS 101
#define IDB_TILES 102
#define IDB_STYLE_NAMES 105
#define IDB_SPELLING 106
#define IDB_ROLE 107
#define IDB_CLOUDS 109
#define IDB_CLOUDS_MASK 110
#define IDB_CREATURE 111
#define IDB_CREATURE_MASK 112

/* Child controls of the main window */
#define IDC_LENGTH_MARK 100
#define IDC_COMMENT 101
#define IDC_GENERATE 102
#define IDC_COPY 103
#define IDC_BEGINNING_BOX 400
#define IDC_MIDDLE_BOX 401
#define IDC_END_BOX 402

/* The commands' ids are listed with the commands, in commands.def. */

#endif
