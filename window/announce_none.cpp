#include "announce.h"

// Where Qt has no D-Bus there is no accessibility bus to speak on.
void announce(const QString &)
{
}
