#pragma once
#include <source_location>

// The engine's failed checks raise Exception, never abort: the text is followed by the source
// module and line as "%s (%s, line %d)", and travels like any other error.
void EngineAssert(bool condition, const char* text = "Assertion failure",
                  std::source_location where = std::source_location::current());
