// SPDX-License-Identifier: GPL-3.0-or-later
// The marks on the game's texts that a translator is to translate. The core
// and quadlo-engine use the English text as it is, so a mark is the literal
// itself; the build tells Qt's lupdate to read QUADLO_TEXT as
// QT_TRANSLATE_NOOP and QUADLO_COUNT_TEXT as QT_TRANSLATE_N_NOOP, and the
// window looks the English text up in the context given here when it shows it.
#pragma once

// A text shown as it is.
#define QUADLO_TEXT(context, text) text
// A text with "%n" where the game puts a number; translations may take a
// different form for each plural a language has.
#define QUADLO_COUNT_TEXT(context, text) text
