#pragma once

class TClassRegistry;

// Registers the list, memo, bar, picture and container controls (list boxes, combo boxes,
// memos, progress bars, track bars, scroll bars, up-downs, images, shapes, splitters, status
// bars, scroll boxes) and their properties with the class registry.
void RegisterExtCtrlsClasses(TClassRegistry& r);
