// The ids of the string table's player-visible texts, one per text; each language's script in lang/ holds all of them.
#pragma once

// Window title, messages and their captions
#define IDS_TITLE_PAUSED 2000           // "%ls - Paused" with the program's title
#define IDS_TITLE_GAME_OVER 2001        // "%ls - Game Over" with the program's title
#define IDS_NEW_GAME_CAPTION 2002
#define IDS_NEW_GAME_QUESTION 2003
#define IDS_GAME_OVER_CAPTION 2004
#define IDS_PLAY_AGAIN_QUESTION 2005
#define IDS_OUT_OF_CARDS 2006
#define IDS_PERFECT_MATCH 2007
#define IDS_HIGH_SCORE_MADE 2008
#define IDS_RESET_SCORES_CAPTION 2009
#define IDS_RESET_SCORES_QUESTION 2010

// Status line and stack captions on the board
#define IDS_WINNINGS 2016               // "Winnings: $%d     ": five trailing spaces cover a longer earlier text
#define IDS_CARDS_IN_DECK 2017          // "     Cards in deck: %d": five leading spaces, drawn right-aligned
#define IDS_BUSTED 2018
#define IDS_HAND_TOTALS 2019            // "%d / %d": the total with aces low, then with the first ace high
#define IDS_BEAT_TOTAL 2020             // "Beat %d" with the dealer's total
#define IDS_NO_DEALER 2021              // only spaces: wipes the dealer caption of a stack without a dealer hand
#define IDS_UNKNOWN_UP_CARD 2022        // only spaces: the caption of a shown card outside Ace .. King

// The dealer's shown card with the hidden one: the caption of rank r (0 Ace .. 12 King) is IDS_DEALER_UP_CARD_FIRST + r
#define IDS_DEALER_UP_CARD_FIRST 2032
#define IDS_DEALER_UP_CARD_LAST 2044

// Names of the default high-score table: place p (1 .. 10) is IDS_DEFAULT_NAME_FIRST + p - 1
#define IDS_DEFAULT_NAME_FIRST 2048
#define IDS_DEFAULT_NAME_LAST 2057

// Errors
#define IDS_MISSING_LIBRARY 2064
#define IDS_MISSING_EXPORTS 2065
#define IDS_HELP_FILE 2067              // the help page in this language, beside the game
#define IDS_ERROR_NUMBER 2066           // "Error %lu": the last error's number when the system has no text for it
