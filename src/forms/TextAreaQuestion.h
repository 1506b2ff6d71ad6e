#pragma once

#include "forms/QuestionPage.h"

// "Formularfeld": a question answered in a field of several lines (Edit27, written by
// Button11, font assistant Button8).
const QuestionKind& TextAreaQuestion();
