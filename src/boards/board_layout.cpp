#include "station/tovarek2.h"

// Placeholder until the board layout tables land.
void Tovarek2::CreateElements() {}
