#pragma once
// The boards' number formats "00" and "0": a value rounded to a whole number (halves away
// from zero) and written with at least two or one digits, a minus sign before a negative
// one. Pure; any thread.
#include <string>

std::string formatWhole(double value, int minDigits);
