#include "windowfont.h"

// The desktop's font configuration finds the font, or its stand-in, itself.
void provideWindowFont()
{
}
