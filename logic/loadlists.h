#pragma once

class FormControls;

// Runs once as the window loads: copies the catalogue from List1(1) into the
// display list and the alphabetical list, and its length keys into the
// length list.
void LoadLists(const FormControls &form);
