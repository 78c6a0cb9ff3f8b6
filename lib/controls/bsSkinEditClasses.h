#pragma once

class TClassRegistry;

// Makes the skinned edit (TbsSkinEdit) and the number edit known to form descriptions, with
// the properties a description stores for the skinned edit.
void RegisterSkinEditClasses(TClassRegistry& registry);
