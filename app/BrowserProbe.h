#pragma once

// What a script driving the page can read of the program (the browser test,
// tests/web/), through the page's module: labsProbe() puts into the page's global
// labsProbeState, as JSON, the visible windows with their names, classes, captions and
// places on the page, the focused control, the text of the box on top, the fields and
// the root report of the open lab, the chart with its place, plotting rectangle, axis
// ranges and captions, the readout's tooltip, and, on the page's clock
// (performance.now()), when Enter was last pressed and handled, and when the selector
// and the chart were last painted. Reading it changes nothing.
void InstallBrowserProbe();
