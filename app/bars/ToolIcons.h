#pragma once
#include <QIcon>

// The tool-bar pictures of the commands, drawn at run time so they stay sharp at any scale;
// Qt derives the greyed picture of a disabled command from the same icon.
QIcon toolIcon(int commandId);
