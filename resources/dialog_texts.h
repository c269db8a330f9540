/* The texts of the Help and About dialogs: each dialog's caption, then its
   static texts in order. Read by the resource compiler (the dialog
   templates of KudomatZub.rc) and by the web page's generator. */
#ifndef KZ_DIALOG_TEXTS_H
#define KZ_DIALOG_TEXTS_H

#define KZ_HELP_CAPTION "Help"
#define KZ_HELP_TEXT_1 "Please view the Kudomat_help.htm and ReadMe.txt that came with the original file abstract."
#define KZ_ABOUT_CAPTION "About"
#define KZ_ABOUT_TEXT_1 "Kudomat Zub 2003"
#define KZ_ABOUT_TEXT_2 "Made in the Zub workshop"

#endif
