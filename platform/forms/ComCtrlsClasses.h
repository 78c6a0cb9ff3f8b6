#pragma once

class TClassRegistry;

// Registers the list view, tree view and page control with their properties.
void RegisterComCtrlsClasses(TClassRegistry& registry);
