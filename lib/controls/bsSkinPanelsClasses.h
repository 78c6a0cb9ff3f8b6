#pragma once

class TClassRegistry;

// Makes the skinned panels, bars, check and radio boxes, labels, bevel and splitter known to
// form descriptions, with the properties and events a description sets for them.
void RegisterSkinPanelsClasses(TClassRegistry& registry);
