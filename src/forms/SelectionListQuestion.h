#pragma once

#include "forms/QuestionPage.h"

// "Auswahlliste": a question answered by picking an option from a list (Edit31, options
// collected by Button15, written by Button14, font assistant Button9).
const QuestionKind& SelectionListQuestion();
