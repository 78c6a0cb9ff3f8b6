#pragma once

// Registers the standard controls (buttons, check boxes, radio buttons) and their properties
// with the class registry, so form descriptions can make them (once).
void RegisterStdCtrlsClasses();
