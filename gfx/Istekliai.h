#pragma once
// Resource ids of tankai.exe, shared by the resource script and the code that loads them.
// (The resource compiler reads this file too: plain defines only.)
#define TANKAI_IKONA 1
