#pragma once

// Makes the plain stand-ins of the skinned controls, menus and dialogs known to form
// descriptions under the skinned class names (once); registers the standard classes they build
// on as well.
void RegisterStandInClasses();
