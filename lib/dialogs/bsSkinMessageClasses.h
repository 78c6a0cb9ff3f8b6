#pragma once

// Makes the skinned message box known to the form reader, with the form-skin component and the
// controls it builds its boxes from.
void RegisterSkinMessageClasses();
