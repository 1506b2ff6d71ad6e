#pragma once

#include "forms/QuestionPage.h"

// "Entscheidungsfrage": a question answered with one of several radio buttons (Edit14, answers
// collected by Button16, written by Button2, font assistant Button6).
const QuestionKind& DecisionQuestion();
// "Checkbox Fragen": a question answered with any of several check boxes (Edit18, answers
// collected by Button4, written by Button5, font assistant Button10).
const QuestionKind& CheckBoxQuestion();
