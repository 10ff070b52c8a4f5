// The application's icon (resource 128), for window icons and the About box.
#pragma once

#include <QIcon>

QIcon AppIcon();
