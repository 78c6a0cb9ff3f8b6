#pragma once
// The window system: everything the class library and the skin engine use of it.
#include "platform/win/Backend.h"
#include "platform/win/Caret.h"
#include "platform/win/Clipboard.h"
#include "platform/win/Focus.h"
#include "platform/win/Input.h"
#include "platform/win/Messages.h"
#include "platform/win/Messaging.h"
#include "platform/win/NativeChild.h"
#include "platform/win/Painting.h"
#include "platform/win/Screen.h"
#include "platform/win/WindowApi.h"
#include "platform/win/WindowClass.h"
