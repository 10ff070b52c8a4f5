// The application's icon (resource 128) at every size it is drawn at, for window icons and the
// About box.
#pragma once

#include <QIcon>

QIcon AppIcon();
