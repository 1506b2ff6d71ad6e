#pragma once

#include "forms/QuestionPage.h"

// "Einzeiliges Eingabefeld": a question answered in one line of text, shown as typed or
// hidden behind stars (Edit26, written by Button3, font assistant Button7).
const QuestionKind& InputFieldQuestion();
