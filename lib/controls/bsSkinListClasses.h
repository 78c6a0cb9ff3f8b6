#pragma once

class TClassRegistry;

// Makes the skinned list box and combo box known to form descriptions, with the properties and
// events a description sets for them.
void RegisterSkinListClasses(TClassRegistry& registry);
