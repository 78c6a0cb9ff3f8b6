#pragma once

class TClassRegistry;

// Registers the scroll bar, up-down, scroll box and slider classes with what form descriptions
// store for them; their bases' properties come from the bases' registration.
void RegisterScrollCtrlsClasses(TClassRegistry& registry);
