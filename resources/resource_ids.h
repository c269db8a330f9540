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

/* Commands */
#define IDM_EXIT 105
#define IDM_HELP 32771
#define IDM_ABOUT 32772
#define IDM_CLASSIC 32775
#define IDM_EMOTIVE 32777
#define IDM_EXHUBERANT 32778
#define IDM_AMERICAN 32782
#define IDM_EUROPEAN 32783
#define IDM_FLAT 32784
#define IDM_CHATTY 32785
#define IDM_CONCISE 32786
#define IDM_BEGINNING_TOP 32789
#define IDM_BEGINNING_MIDDLE 32790
#define IDM_BEGINNING_BOTTOM 32791
#define IDM_MIDDLE_TOP 32792
#define IDM_MIDDLE_MIDDLE 32793
#define IDM_MIDDLE_BOTTOM 32794
#define IDM_END_TOP 32795
#define IDM_END_MIDDLE 32796
#define IDM_END_BOTTOM 32797
#define IDM_ALL_BOTTOM 32798
#define IDM_ALL_MIDDLE 32799
#define IDM_RANDOM 32801
#define IDM_ALL_TOP 32802
#define IDM_AS_BUYER 32803
#define IDM_AS_SELLER 32804
#define IDM_ENABLE_BEGINNING 32806
#define IDM_ENABLE_MIDDLE 32807
#define IDM_ENABLE_END 32808
#define IDM_ENABLE_ALL 32809
#define IDM_FREEZE_BEGINNING 32810
#define IDM_FREEZE_MIDDLE 32811
#define IDM_FREEZE_END 32812
#define IDM_FREEZE_ALL 32813

#endif
