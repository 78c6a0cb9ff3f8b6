#pragma once

class TClassRegistry;

// Makes the office list and the office picker known to form descriptions, with their rows.
void RegisterOfficeCtrlsClasses(TClassRegistry& r);
