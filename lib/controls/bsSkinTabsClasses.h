#pragma once

class TClassRegistry;

// Makes the skinned page control and its tab sheets known to form descriptions, with the
// properties and events a description sets for them.
void RegisterSkinTabsClasses(TClassRegistry& registry);
