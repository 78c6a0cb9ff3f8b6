#pragma once

// Makes the classes every window of the program reads from its description known to the form
// reader (once): the standard controls, the skinned message box, the picture lists and the
// office pickers. Each window registers the rest of what it holds itself.
void RegisterSharedFormClasses();
