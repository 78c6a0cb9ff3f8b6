#pragma once

class TClassRegistry;

// Makes the skinned push, speed and menu speed buttons known to form descriptions, with the
// properties and events a description sets for them.
void RegisterSkinButtonsClasses(TClassRegistry& registry);
