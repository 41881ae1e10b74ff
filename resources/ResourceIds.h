// Every resource, command, control and timer id of the program, grouped by kind.
#pragma once

// Strings
#define IDS_APP_TITLE 103
#define IDS_WINDOW_CLASS 109

// Menu and accelerators
#define IDR_MAIN_MENU 109
#define IDR_ACCELERATORS 109

// Icons
#define IDI_SMALL 108
#define IDI_ZARNOCK 130
#define IDI_SUIT_1 136
#define IDI_SUIT_2 137
#define IDI_SUIT_3 138
#define IDI_SUIT_4 139

// Bitmaps of the empty-stack marker: at 96 dpi, and drawn at the card's size for 144 and 192 dpi
#define IDB_RING 162
#define IDB_OUTLINE 163
#define IDB_RING_144 164
#define IDB_OUTLINE_144 165
#define IDB_RING_192 166
#define IDB_OUTLINE_192 167

// Dialog templates
#define IDD_ABOUT 103
#define IDD_OPTIONS 131
#define IDD_LEVEL_UP 132
#define IDD_HIGH_SCORES 133
#define IDD_WELCOME 135

// Commands
#define ID_ABOUT 104
#define ID_EXIT 105
#define ID_PAUSE 32772
#define ID_NEW 32773
#define ID_OPTIONS 32774
#define ID_LEVEL_UP 32775
#define ID_HIGH_SCORES 32776
#define ID_INTRODUCTION 32777
#define ID_HELP_CONTENTS 32778
#define ID_WEB_PAGE 32781

// Options dialog controls
#define IDC_LAST_STACK 1002
#define IDC_UPSIDE_DOWN 1003
#define IDC_SOUND_EFFECTS 1004
#define IDC_GET_FASTER 1005
#define IDC_ONE_DECK 1006
#define IDC_STUFF_BACK 1035
#define IDC_MUSIC 1055
#define IDC_EASY 1060
#define IDC_MEDIUM 1061
#define IDC_HARD 1062
#define IDC_VICIOUS 1063
#define IDC_SHOW_WELCOME 1064
#define IDC_FOREGROUND_COLOR 1065
#define IDC_BACKGROUND_COLOR 1066

// High-score dialog controls: name of place p is IDC_NAME_FIRST + p - 1, its score IDC_SCORE_FIRST + p - 1
#define IDC_NAME_FIRST 1012
#define IDC_SCORE_FIRST 1022
#define IDC_RESET 1067

// Timers
#define DROP_TIMER 1
#define LEVEL_UP_TIMER 2
