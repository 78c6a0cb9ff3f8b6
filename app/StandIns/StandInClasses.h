#pragma once

// Makes the plain stand-ins of the skinned controls, menus and dialogs known to form
// descriptions under the skinned class names (once); registers the standard classes they build
// on as well. The stand-ins are classes of their own (TStandInButton for TbsSkinButton ...) and
// are registered as based on the platform's classes only, so that each skinned name can be
// pointed at the skin engine's class by itself.
void RegisterStandInClasses();
