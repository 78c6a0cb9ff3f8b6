#pragma once

class TClassRegistry;

// What form descriptions set on the skinned list box, combo box and list view beyond their
// plain properties: the drawing events, the inner list's input events and its drag settings.
// The classes themselves must be registered first.
void RegisterSkinListEvents(TClassRegistry& registry);
