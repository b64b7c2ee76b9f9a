#pragma once
#include <QString>

#include "FileFilters.h"

// A prepared file filter in Qt's form, the file kind first (preselected), "All Files" after it.
QString qtFileFilter(const FileFilter& filter);
