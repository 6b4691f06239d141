#pragma once

// Qt's own texts (the text box's context menu, the scroll bars' menu, the
// message box's buttons, the names of actions a screen reader announces) in
// Bulgarian, the window's language, whatever the desktop's language is.
// Returns false, and leaves them in English, when Qt's translation is not
// installed. Call it once the application object exists.
bool installQtTranslation();
