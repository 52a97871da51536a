#pragma once
#include <windows.h>
#include <shellapi.h>

#include <vector>

#include "ui/drop.h"

namespace tarvane {

// Lets the window take files dropped from Explorer or any other program, also when this program
// runs elevated and the drop comes from a program that does not.
void AcceptDrops(HWND window);

// Every dropped item of a drop, its path whole, whatever its length and characters.
std::vector<DroppedItem> DroppedItems(HDROP drop);

// Where in the window the drop landed: on one of the two text boxes, or anywhere else.
DropPlace DropPlaceIn(HWND window, HDROP drop);

}  // namespace tarvane
