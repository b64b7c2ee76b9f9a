#pragma once
// The names the transits selection and the transits window show for the marks of the
// selection and for the aspects, in the language of the interface, and the names the list's
// text filter matches (those and the command line's English keys).
#include <QString>

#include "TransitList.h"

class StringTable;

// Transiting body 0..18 and natal point 0..20 of the search's events.
QString transitingName(int body);
QString natalName(int natal);
// The marks of the selection: promissor mark 0..19 and significator mark 0..18.
QString promissorMarkName(int mark);
QString significatorMarkName(int mark);
// Aspect 0..17.
QString transitAspectName(int aspect);
// 1 direct, -1 retrograde, 0 stationary within the orb.
QString transitMotionName(int motion);
// The motion of an event; a station that does not reach exactness says how far it stays off.
QString transitMotionText(const TransitEvent& event);

// Every name of every mark and aspect, for the text filter.
TransitNames transitFilterNames(const StringTable& strings);
