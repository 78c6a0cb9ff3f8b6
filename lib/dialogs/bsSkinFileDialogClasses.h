#pragma once

// Makes the skinned open dialog and its picture variants known to the form reader, with the
// form-skin component its dialogs are framed by.
void RegisterSkinFileDialogClasses();
