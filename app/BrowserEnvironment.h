#pragma once

// What the browser lacks of the desktop the windows were laid out on, made up for at
// start-up: the fonts the layouts were measured with (carried in the program, as the
// browser lends it none), the toolkit's default font as Linux resolves it, the
// program's icon and its own file name (which gives the title of its boxes), a window
// manager's activation of every window that opens, and a word to the page when the
// program has ended.
void PrepareBrowserEnvironment();
