#pragma once

// Makes the window's font, Times New Roman, one the program can draw with.
// A desktop has it, or a font of the same measures standing in for it; a
// browser has no fonts for the program, which then brings Liberation Serif,
// of the same measures, and has it stand in. Call it once the application
// object exists and before the font is first used.
void provideWindowFont();
