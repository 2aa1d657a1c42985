#pragma once

// Qt's own texts (the file dialog, its questions, the fields' context menu, the
// standard buttons) in the language of the user's regional settings, from the
// translations installed with the toolkit. The program's own texts are Russian
// whatever the settings; where no translation exists, Qt's stay English.
void InstallToolkitTranslation();
