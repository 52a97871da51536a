#pragma once
// Shared by the resource script and the code that loads the resources.
#define IDI_TARVANE 1
#define IDR_COMPONENT 101
