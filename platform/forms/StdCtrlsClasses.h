#pragma once

// Registers the standard controls (buttons, check boxes, radio buttons, labels, panels, group
// boxes, bevels, edits) and their properties with the class registry, so form descriptions can make
// them (once).
void RegisterStdCtrlsClasses();
